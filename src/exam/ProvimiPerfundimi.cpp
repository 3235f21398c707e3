// Closing the examination: scoring the paper and drawing the result on the window.

#include "Provimi.h"

#include "ExamState.h"
#include "FlatButton.h"
#include "FormProvimi.h"
#include "Koordinatat.h"
#include "PictureBox.h"
#include "TekstNumer.h"
#include "Tekstet.h"
#include "TextLabel.h"
#include "Vleresimi.h"

#include <QTimer>

using Koordinatat::qngjyra;

namespace {
constexpr double TitujtY = 135;
constexpr int ZhvendosjaEButonave = 5;
constexpr double KutiaENumrit = 15;
constexpr double FontiIRezultatit = 14;
constexpr double FontiINumrave = 10;
} // namespace

void Provimi::PerfundoProvimin()
{
    // Closing runs once: a second trigger (an end request answered after time ran out) would
    // move the buttons again and print over the listing.
    if (m_mbyllur)
        return;
    if (m_neFluturim) {
        m_mbylljaPasFluturimit = true; // the flight lands first, then the exam closes
        return;
    }
    m_mbyllur = true;

    m_f.Timer1->stop();
    m_f.ImgPyetjaX->hide();
    m_f.ImgPyetjaX->setEnabled(false);
    m_f.PicPyG(31)->hide();
    m_f.PicPyG(32)->hide();
    ngjyrosButonatEPyetjeve();
    FshihAlternativat();
    LlogaritVlersimin();
    AfishoRezultatin();
}

void Provimi::FshihAlternativat()
{
    for (int j = 0; j <= ExamState::AlternativaTeShumta; ++j) {
        m_f.CmdAlternativa(j)->hide();
        m_f.LblGermaEAlt(j)->hide();
    }
    m_f.CmdKonfirmoj->hide();
    m_f.LblZgjidhniPyTj->hide();
}

void Provimi::LlogaritVlersimin()
{
    const Vleresimi v
        = llogaritVleresimin(s, [this](int k) { return m_f.CmdZgjidhPyetjen(k)->text(); });
    s.PergjigjetEDhena = v.PergjigjetEDhena;
    s.PiketEFituara = v.PiketEFituara;
    s.PiketEGrumbulluara = v.PiketEGrumbulluara;
    s.PiketMaksimale = v.PiketMaksimale;
    const double p = perqindja(s.PiketEGrumbulluara, s.PiketMaksimale);
    m_f.LblRezNePerqindje->setCaption(tekstiIPerqindjes(p, TekstNumer::ndaresiISistemit()));
    m_f.LblRezNePerqindje->show();
}

void Provimi::AfishoRezultatin()
{
    m_f.CmdEND->show();
    m_f.LblNjoftim->hide();

    DrawingSurface &d = m_f.siperfaqja();
    d.setForeColor(Qt::white);
    d.setFontSize(FontiIRezultatit);
    // Room for the headings, the two columns and the number boxes in one step.
    d.rezervo(QRect(QPoint(0, static_cast<int>(TitujtY)),
        QPoint(
            d.zona().right(), ListaY + static_cast<int>((s.NrPyetjeve / 2 + 1) * d.lineHeight()))));
    d.setCurrentX(0);
    d.setCurrentY(TitujtY);
    d.print(QString(10, QLatin1Char(' ')) + Tekstet::TitulliRezultatit);
    d.endLine();
    d.print(QString(15, QLatin1Char(' ')) + Tekstet::TitulliPikeve);
    d.endLine();
    d.endLine();

    // Both columns start at the same height: rows 1 to 25 on the left, 26 to 50 on the right.
    int kolona = -1;
    for (const RreshtiIListes &r : listaERezultatit(s, TekstNumer::ndaresiISistemit())) {
        if (r.x != kolona) {
            kolona = r.x;
            d.setCurrentY(ListaY);
        }
        d.setCurrentX(r.x);
        for (const CopaEShtypur &c : r.copat) {
            if (c.x)
                d.setCurrentX(*c.x);
            d.setForeColor(qngjyra(c.ngjyra));
            d.print(c.teksti);
        }
        d.endLine();
    }

    // Each question button steps aside and gets its position number in a black box beside it.
    for (int i = 1; i <= s.NrPyetjeve; ++i) {
        FlatButton *b = m_f.CmdZgjidhPyetjen(i);
        b->move(b->x() + ZhvendosjaEButonave, b->y() + ZhvendosjaEButonave);
        const QPointF majtasLart(b->x() - KutiaENumrit, b->y() - KutiaENumrit);
        d.setForeColor(Qt::black);
        d.filledBox(majtasLart, QPointF(b->x(), b->y()), Qt::black);
        d.setFontSize(FontiINumrave);
        d.setForeColor(Qt::white);
        d.setCurrentX(majtasLart.x());
        d.setCurrentY(majtasLart.y());
        d.print(TekstNumer::formaENumrit(i, TekstNumer::ndaresiISistemit()));
        d.endLine();
    }
}

void Provimi::CmdEND_Click()
{
    perfundoProgramin(0);
}
