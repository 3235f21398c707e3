#include "Provimi.h"

#include "BankPanel.h"
#include "Dialogs.h"
#include "ExamState.h"
#include "FlatButton.h"
#include "FondiDemo.h"
#include "FormProvimi.h"
#include "GjeneratoriRastesor.h"
#include "Koordinatat.h"
#include "PictureBox.h"
#include "Tekstet.h"
#include "TextLabel.h"
#include "Teza.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTimer>

using Koordinatat::nePiksel;
using Koordinatat::qngjyra;

namespace {
constexpr double GrilaX0 = 730;
constexpr double GrilaY0 = 200;
constexpr double HapiIKolones = 1.5; // button widths
constexpr double HapiIRreshtit = 1.7; // button heights
constexpr int ButonaNeRresht = 5;
constexpr double KufiriIKornizes = 5;
constexpr int TrashesiaEKornizes = 2;
constexpr QPoint VendiIFotos { 850, 10 };
constexpr int NenFoto = 10;
constexpr double LegjendaX = 675;
constexpr double LegjendaY = 250;
constexpr double HapiILegjendes = 60;
constexpr double FontiILegjendes = 12;
} // namespace

Provimi::Provimi(FormProvimi &forma, Dialogs &dialogs, QObject *parent)
    : QObject(parent)
    , m_f(forma)
    , s(forma.gjendja())
    , m_dialogs(dialogs)
{
    perfundoProgramin = [](int kodi) { QCoreApplication::exit(kodi); };
    fara = &sekondatNgaMesnata;
    dataESotme = &QDate::currentDate;
    lidhKontrollet();
}

void Provimi::lidhKontrollet()
{
    // A click reaches a handler only from a control the candidate can see and use.
    auto mund = [](const QWidget *w) { return !w->isHidden() && w->isEnabled(); };
    for (int i = 1; i <= 50; ++i) {
        FlatButton *b = m_f.CmdZgjidhPyetjen(i);
        connect(b, &FlatButton::clicked, this, [this, b, i, mund] {
            if (mund(b))
                CmdZgjidhPyetjen_Click(i);
        });
    }
    for (int k = 0; k <= 5; ++k) {
        FlatButton *b = m_f.CmdAlternativa(k);
        connect(b, &FlatButton::clicked, this, [this, b, k, mund] {
            if (mund(b))
                CmdAlternativa_Click(k);
        });
    }
    connect(m_f.CmdKonfirmoj, &FlatButton::clicked, this, [this, mund] {
        if (mund(m_f.CmdKonfirmoj))
            CmdKonfirmoj_Click();
    });
    connect(m_f.CmdEND, &FlatButton::clicked, this, [this, mund] {
        if (mund(m_f.CmdEND))
            CmdEND_Click();
    });
    connect(m_f.Timer1, &QTimer::timeout, this, &Provimi::Timer1_Timer);
    connect(&m_f, &FormProvimi::aktivizuar, this, &Provimi::Form_Activate);

    // While the exam runs nothing may close the window and lose it; once the result is shown,
    // closing the window ends the program as the leave button does.
    m_f.lejoMbylljen = [this] {
        if (!m_mbyllur)
            return false;
        CmdEND_Click();
        return true;
    };
}

void Provimi::Form_Load()
{
    m_f.LblData->setCaption(QLocale::system().toString(dataESotme(), QLocale::ShortFormat));
    MbushFondinDemo(s);
    RuajPozicionetAlt();
    for (int q = 1; q <= ExamState::PyetjeNeFond; ++q)
        s.NrAlternativave(q) = static_cast<int>(s.StrukturaEPyetjes(q).size()) - 1;

    GjeneratoriRastesor rastesia(fara());
    hiqTezen(s, rastesia);
    s.NrPyetjeve = ExamState::PyetjeNeFond;

    // The grid: 10 rows of 5 from the button size read at run time, each button framed in the
    // colour of the points of the question behind it.
    s.GjeresiaButonit = static_cast<float>(m_f.CmdZgjidhPyetjen(50)->width());
    s.LartesiaButonit = static_cast<float>(m_f.CmdZgjidhPyetjen(50)->height());
    const double W = s.GjeresiaButonit;
    const double H = s.LartesiaButonit;
    DrawingSurface &d = m_f.siperfaqja();
    // Room for the frames and the legend in one step.
    d.rezervo(QRect(QPoint(nePiksel(LegjendaX), nePiksel(GrilaY0 - KufiriIKornizes)),
        QPoint(nePiksel(GrilaX0 + HapiIKolones * W * ButonaNeRresht + W + KufiriIKornizes) + 1,
            nePiksel(GrilaY0 + HapiIRreshtit * H * (ExamState::PyetjeNeFond / ButonaNeRresht - 1)
                + H + KufiriIKornizes)
                + 1)));
    double x = GrilaX0;
    double y = GrilaY0;
    for (int i = 1; i <= s.NrPyetjeve; ++i) {
        FlatButton *b = m_f.CmdZgjidhPyetjen(i);
        b->setText(QString::number(i));
        b->setBackColor(qngjyra(Ngjyrat::Roze));
        x = x + HapiIKolones * W;
        b->setGeometry(nePiksel(x), nePiksel(y), nePiksel(W), nePiksel(H));
        const int p = s.PikePozitive(s.Teza(i));
        if (p >= 1 && p <= 3)
            s.NgjyraPikeve(p) = Ngjyrat::ePikeve(p);
        d.setDrawWidth(TrashesiaEKornizes);
        d.rectangle({ x - KufiriIKornizes, y - KufiriIKornizes },
            { x + W + KufiriIKornizes, y + H + KufiriIKornizes },
            qngjyra(ngjyraOseZeze(s.NgjyraPikeve(p))));
        b->show();
        if (i % ButonaNeRresht == 0) {
            y = y + HapiIRreshtit * H;
            x = GrilaX0;
        }
    }

    TextLabel *emri = m_f.LblEmriMbiemri;
    const QRect b1 = m_f.CmdZgjidhPyetjen(1)->geometry();
    const QRect b5 = m_f.CmdZgjidhPyetjen(5)->geometry();
    emri->setGeometry(nePiksel(GrilaX0 + HapiIKolones * W), emri->y(),
        b5.left() - b1.left() + b5.width(), emri->height());
    m_f.ImgFoto->move(VendiIFotos);
    emri->move(emri->x(), m_f.ImgFoto->y() + m_f.ImgFoto->height() + NenFoto);

    for (int j = 1; j <= ExamState::AlternativaTeShumta; ++j)
        m_f.CmdAlternativa(j)->setText(QString());

    // The legend of the point colours, left of the grid.
    d.setFontSize(FontiILegjendes);
    for (int k = 1; k <= 3; ++k) {
        const QColor c = qngjyra(ngjyraOseZeze(s.NgjyraPikeve(k)));
        const double y1 = LegjendaY + HapiILegjendes * k;
        d.rectangle({ LegjendaX, y1 }, { LegjendaX + W + 15, y1 + H + 10 }, c);
        d.setForeColor(c);
        d.setCurrentX(d.currentX() - 1.4 * W);
        d.setCurrentY(d.currentY() - H);
        d.print(QString::number(k) + Tekstet::Pike);
        d.endLine();
    }
}

void Provimi::RuajPozicionetAlt()
{
    for (int i = 1; i <= ExamState::AlternativaTeShumta; ++i) {
        const QRect g = m_f.CmdAlternativa(i)->geometry();
        s.AltLeft(i) = static_cast<float>(g.x());
        s.AltTop(i) = static_cast<float>(g.y());
        s.AltWidth(i) = static_cast<float>(g.width());
        s.AltHeight(i) = static_cast<float>(g.height());
    }
}

void Provimi::Form_Activate()
{
    // The window becomes active again whenever the candidate's focus returns or a message box
    // closes; only the first activation sets up the clock and the notice.
    if (m_aktivizuar)
        return;
    m_aktivizuar = true;

    m_f.LblMin->setCaption(QStringLiteral("60:"));
    m_f.LblSek->setCaption(QStringLiteral("00"));
    m_f.LblNjoftim->setCaption(Tekstet::njoftimi());
    m_f.LblNjoftim->setBorder(false);
    m_f.LblNjoftim->show();
    // Without a question-bank database this fails, and the exam goes on regardless. The
    // panel may still be waiting for the first frame; then it moves once it stands.
    m_f.meTePaneli([](BankPanel &paneli) {
        try {
            paneli.moveToFirst();
        } catch (...) { }
    });
}
