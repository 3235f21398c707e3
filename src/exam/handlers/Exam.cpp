#include "exam/handlers/Exam.h"

#include "bankpanel/BankPanel.h"
#include "base/Units.h"
#include "exam/DemoBank.h"
#include "exam/ExamState.h"
#include "exam/PaperDraw.h"
#include "exam/RandomGenerator.h"
#include "exam/Texts.h"
#include "screen/Dialogs.h"
#include "screen/FlatButton.h"
#include "screen/FormProvimi.h"
#include "screen/PictureBox.h"
#include "screen/TextLabel.h"

#include <QLocale>
#include <QTimer>

using Units::toPixel;
using Units::toQColor;

namespace {
constexpr double GridX0 = 730;
constexpr double GridY0 = 200;
constexpr double ColumnStep = 1.5; // button widths
constexpr double RowStep = 1.7; // button heights
constexpr int ButtonsPerRow = 5;
constexpr double FrameMargin = 5;
constexpr int FrameThickness = 2;
constexpr QPoint PhotoPlace { 850, 10 };
constexpr int BelowPhoto = 10;
constexpr double LegendX = 675;
constexpr double LegendY = 250;
constexpr double LegendStep = 60;
constexpr double LegendFontPoints = 12;
} // namespace

Exam::Exam(FormProvimi &window, Dialogs &dialogs, float seed, QDate today, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_dialogs(dialogs)
    , m_seed(seed)
    , m_today(today)
{
    connectControls();
}

void Exam::connectControls()
{
    // A click reaches a handler only from a control the candidate can see and use.
    auto usable = [](const QWidget *w) { return !w->isHidden() && w->isEnabled(); };
    for (int i = 1; i <= QuestionCount; ++i) {
        FlatButton *b = m_window.CmdZgjidhPyetjen(i);
        connect(b, &FlatButton::clicked, this, [this, b, i, usable] {
            if (usable(b))
                CmdZgjidhPyetjen_Click(i);
        });
    }
    for (int k = 0; k <= AlternativeCount; ++k) {
        FlatButton *b = m_window.CmdAlternativa(k);
        connect(b, &FlatButton::clicked, this, [this, b, k, usable] {
            if (!usable(b))
                return;
            CmdAlternativa_Click(k);
            // An answer taken with the keyboard is confirmed next: Return then confirms.
            if (b->pressedByKey())
                m_window.CmdKonfirmoj->setFocus(Qt::ShortcutFocusReason);
        });
    }
    connect(m_window.CmdKonfirmoj, &FlatButton::clicked, this, [this, usable] {
        if (usable(m_window.CmdKonfirmoj))
            CmdKonfirmoj_Click();
    });
    connect(m_window.CmdEND, &FlatButton::clicked, this, [this, usable] {
        if (usable(m_window.CmdEND))
            CmdEND_Click();
    });
    connect(m_window.Timer1, &QTimer::timeout, this, &Exam::Timer1_Timer);
    connect(&m_window, &FormProvimi::letterKey, this, &Exam::letterTyped);
    connect(&m_window, &FormProvimi::activated, this, &Exam::Form_Activate);

    // The window refuses to close while the exam runs (the closing allows it); once the result
    // is shown, closing the window ends the program as the leave button does.
    connect(&m_window, &FormProvimi::closing, this, &Exam::CmdEND_Click);
}

void Exam::Form_Load()
{
    m_window.LblData->setCaption(QLocale::system().toString(m_today, QLocale::ShortFormat));
    MbushFondinDemo(m_state);
    RuajPozicionetAlt();
    for (int q = 1; q <= QuestionCount; ++q)
        m_state.NrAlternativave(q) = static_cast<int>(m_state.StrukturaEPyetjes(q).size()) - 1;

    RandomGenerator random(m_seed);
    drawPaper(m_state, random);
    m_state.NrPyetjeve = QuestionCount;

    // The grid: 10 rows of 5 from the button size read at run time, each button framed in the
    // colour of the points of the question behind it.
    m_state.GjeresiaButonit = static_cast<float>(m_window.CmdZgjidhPyetjen(QuestionCount)->width());
    m_state.LartesiaButonit
        = static_cast<float>(m_window.CmdZgjidhPyetjen(QuestionCount)->height());
    const double W = m_state.GjeresiaButonit;
    const double H = m_state.LartesiaButonit;
    DrawingSurface &d = m_window.surface();
    // Room for the frames and the legend in one step.
    d.reserve(QRect(QPoint(toPixel(LegendX), toPixel(GridY0 - FrameMargin)),
        QPoint(toPixel(GridX0 + ColumnStep * W * ButtonsPerRow + W + FrameMargin) + 1,
            toPixel(GridY0 + RowStep * H * (QuestionCount / ButtonsPerRow - 1) + H + FrameMargin)
                + 1)));
    double x = GridX0;
    double y = GridY0;
    for (int i = 1; i <= m_state.NrPyetjeve; ++i) {
        FlatButton *b = m_window.CmdZgjidhPyetjen(i);
        b->setText(QString::number(i));
        b->setBackColor(toQColor(Colours::Pink));
        x = x + ColumnStep * W;
        b->setGeometry(toPixel(x), toPixel(y), toPixel(W), toPixel(H));
        const int p = m_state.PikePozitive(m_state.Teza(i));
        if (p >= 1 && p <= 3)
            m_state.NgjyraPikeve(p) = Colours::ofPoints(p);
        d.setDrawWidth(FrameThickness);
        d.rectangle({ x - FrameMargin, y - FrameMargin },
            { x + W + FrameMargin, y + H + FrameMargin },
            toQColor(colourOrBlack(m_state.NgjyraPikeve(p))));
        b->show();
        if (i % ButtonsPerRow == 0) {
            y = y + RowStep * H;
            x = GridX0;
        }
    }

    TextLabel *name = m_window.LblEmriMbiemri;
    const QRect b1 = m_window.CmdZgjidhPyetjen(1)->geometry();
    const QRect b5 = m_window.CmdZgjidhPyetjen(5)->geometry();
    name->setGeometry(toPixel(GridX0 + ColumnStep * W), name->y(),
        b5.left() - b1.left() + b5.width(), name->height());
    m_window.ImgFoto->move(PhotoPlace);
    name->move(name->x(), m_window.ImgFoto->y() + m_window.ImgFoto->height() + BelowPhoto);

    for (int j = 1; j <= AlternativeCount; ++j)
        m_window.CmdAlternativa(j)->setText(QString());
    describeQuestionButtons();
    describeAnswerButtons();
    for (int q : { 31, 32 })
        m_window.PicPyG(q)->setAccessibleDescription(m_state.Pyetja(q));

    // The legend of the point colours, left of the grid.
    d.setFontSize(LegendFontPoints);
    for (int k = 1; k <= 3; ++k) {
        const QColor c = toQColor(colourOrBlack(m_state.NgjyraPikeve(k)));
        const double y1 = LegendY + LegendStep * k;
        d.rectangle({ LegendX, y1 }, { LegendX + W + 15, y1 + H + 10 }, c);
        d.setForeColor(c);
        d.setCurrentX(d.currentX() - 1.4 * W);
        d.setCurrentY(d.currentY() - H);
        d.print(QString::number(k) + Texts::PointsSuffix);
        d.endLine();
    }
}

void Exam::RuajPozicionetAlt()
{
    for (int i = 1; i <= AlternativeCount; ++i) {
        const QRect g = m_window.CmdAlternativa(i)->geometry();
        m_state.AltLeft(i) = static_cast<float>(g.x());
        m_state.AltTop(i) = static_cast<float>(g.y());
        m_state.AltWidth(i) = static_cast<float>(g.width());
        m_state.AltHeight(i) = static_cast<float>(g.height());
    }
}

void Exam::Form_Activate()
{
    // The window becomes active again whenever the candidate's focus returns or a message box
    // closes; only the first activation sets up the clock and the notice.
    if (m_activated)
        return;
    m_activated = true;

    m_window.LblMin->setCaption(QStringLiteral("60:"));
    m_window.LblSek->setCaption(QStringLiteral("00"));
    m_window.LblNjoftim->setCaption(Texts::notice());
    m_window.LblNjoftim->setBorder(false);
    m_window.LblNjoftim->show();
    // Without a question-bank database this fails, and the exam goes on regardless. The
    // panel may still be waiting for the first frame; then it moves once it stands.
    m_window.withBankPanel([](BankPanel &bankPanel) {
        try {
            bankPanel.moveToFirst();
        } catch (...) { }
    });
}
