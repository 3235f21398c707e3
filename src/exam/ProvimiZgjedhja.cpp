// Opening a question and marking an alternative.

#include "Provimi.h"

#include "ExamState.h"
#include "FlatButton.h"
#include "FormProvimi.h"
#include "Koordinatat.h"
#include "PictureBox.h"
#include "TekstNumer.h"
#include "Tekstet.h"
#include "TextLabel.h"

#include <QTimer>

using Koordinatat::qngjyra;

namespace {
constexpr int LartesiaENjoftimit = 250; // where a question's text stands
}

void Provimi::ngjyrosButonatEPyetjeve()
{
    // The tag decides, never the colour: opened once is yellow, never opened pink.
    for (int b = 1; b <= s.NrPyetjeve; ++b) {
        FlatButton *c = m_f.CmdZgjidhPyetjen(b);
        c->setBackColor(qngjyra(c->tag() == Tekstet::Lexuar ? Ngjyrat::Verdhe : Ngjyrat::Roze));
    }
}

void Provimi::CmdZgjidhPyetjen_Click(int i)
{
    // Once the exam has closed, a question click only clears the question area.
    if (s.ProvimiPerfundoi == Po) {
        m_f.PicPyG(31)->hide();
        m_f.PicPyG(32)->hide();
        m_f.LblNjoftim->hide();
        return;
    }

    // The first question opened starts the countdown.
    if (!m_f.Timer1->isActive()) {
        m_f.Timer1->start();
        m_f.LblNjoftim->setForeColor(Qt::white);
    }

    const int q = s.Teza(i);
    FlatButton *butoni = m_f.CmdZgjidhPyetjen(i);
    butoni->setTag(Tekstet::Lexuar);
    m_f.LblNjoftim->setFontSize(s.FondSizeP(q));
    m_f.LblNjoftim->setCaption(s.Pyetja(q));
    // A picture question shows its picture instead of the text. Each control ends in the state
    // it must have without passing through another, so nothing that stays on screen is
    // repainted for nothing.
    const bool sipasFotos = s.StrukturaEPyetjes(q).startsWith(QLatin1Char('G'));
    PictureBox *foto = sipasFotos ? m_f.PicPyG(q) : nullptr;
    for (int g : { 31, 32 })
        if (m_f.PicPyG(g) != foto)
            m_f.PicPyG(g)->hide();
    m_f.LblNjoftim->setVisible(!sipasFotos);
    if (foto) {
        foto->show();
        // Shown at once, without letting a tick or a click run in the middle of opening.
        foto->repaint();
    }
    m_f.LblNjoftim->move(m_f.LblNjoftim->x(), LartesiaENjoftimit);
    m_f.LblZgjidhniPyTj->hide();
    s.GermaEZgjedhur.clear();

    ngjyrosButonatEPyetjeve();
    butoni->setBackColor(qngjyra(Ngjyrat::JeshileEHapur));
    s.PyetjaEHapur = i;
    m_f.ImgPyetjaX->clearPicture();
    m_f.CmdKonfirmoj->show();

    // The question's alternatives, fresh and unmarked; the leave alternative keeps its own
    // visibility.
    for (int j = 1; j <= ExamState::AlternativaTeShumta; ++j) {
        FlatButton *a = m_f.CmdAlternativa(j);
        const bool eKaPyetja = j <= s.NrAlternativave(q);
        if (!eKaPyetja) {
            a->hide();
            m_f.LblGermaEAlt(j)->hide();
        }
        a->setFontSize(s.FondSizeAlt(q));
        a->setText(s.Alternativat(q, j));
        a->setBackColor(Qt::white);
        m_f.LblGermaEAlt(j)->setForeColor(Qt::white);
        if (eKaPyetja) {
            a->show();
            m_f.LblGermaEAlt(j)->show();
        }
    }
    m_f.CmdAlternativa(0)->setBackColor(Qt::white);

    // An answered question shows its confirmed letter marked again, ready to be confirmed
    // again or replaced. A caption with a numeric value is still the position number.
    const QString titulli = butoni->text();
    if (TekstNumer::vleraNumerike(titulli) == 0) {
        static const QString Germat = QStringLiteral("ABCDE");
        const qsizetype j = titulli.size() == 1 ? Germat.indexOf(titulli) : -1;
        if (j >= 0)
            CmdAlternativa_Click(static_cast<int>(j) + 1);
    }
}

void Provimi::CmdAlternativa_Click(int k)
{
    // The leave alternative cannot take over the answer that is in flight.
    if (k == 0 && m_neFluturim)
        return;
    s.GermaEZgjedhur = m_f.LblGermaEAlt(k)->caption().left(1);
    s.AlternativaEZgjedhur = k;
    for (int j = 0; j <= ExamState::AlternativaTeShumta; ++j)
        m_f.CmdAlternativa(j)->setBackColor(Qt::white);
    m_f.CmdAlternativa(k)->setBackColor(qngjyra(Ngjyrat::JeshileEHapur));
}
