// Start-up, activation and the wiring of the window's controls to the handlers.

#include "exam/handlers/Exam.h"

#include "bankpanel/BankPanel.h"
#include "base/LetterSpacing.h"
#include "base/Units.h"
#include "exam/DemoBank.h"
#include "exam/Descriptions.h"
#include "exam/ExamState.h"
#include "exam/FileBank.h"
#include "exam/PaperDraw.h"
#include "exam/PointColours.h"
#include "exam/RandomGenerator.h"
#include "exam/Texts.h"
#include "screen/FlatButton.h"
#include "screen/FormProvimi.h"
#include "screen/PictureBox.h"
#include "screen/TextLabel.h"
#include "store/TextFit.h"

#include <QFontMetrics>
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
    for (int k = 1; k <= QuestionCount; ++k) {
        FlatButton *b = m_window.CmdZgjidhPyetjen(k);
        connect(b, &FlatButton::clicked, this, [this, b, k, usable] {
            if (!usable(b))
                return;
            CmdZgjidhPyetjen_Click(k);
            // A question opened with the keyboard is read out where the focus stays.
            if (b->pressedByKey() && m_state.phase != Phase::Closed)
                sayQuestion(k);
        });
    }
    for (int j = 0; j <= AlternativeCount; ++j) {
        FlatButton *b = m_window.CmdAlternativa(j);
        connect(b, &FlatButton::clicked, this, [this, b, j, usable] {
            if (!usable(b))
                return;
            CmdAlternativa_Click(j);
            // An answer taken with the keyboard is confirmed next: Return then confirms.
            if (b->pressedByKey())
                goToConfirm();
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
    showDate();
    // A bank file's questions are chosen first; the paper's order is drawn after them.
    RandomGenerator random(m_seed);
    if (m_setup.bank.empty())
        MbushFondinDemo(m_state);
    else
        takeBankFromFile(random);
    RuajPozicionetAlt();
    countAlternatives();
    drawPaper(m_state, random);
    m_state.NrPyetjeve = QuestionCount;
    layOutQuestionButtons();
    placePhotoAndName();
    showSitting();
    clearAlternativeCaptions();
    describeQuestionButtons();
    describeAnswerButtons();
    // The built-in bank's drawings in words; a bank file's pictures are named when shown.
    for (int q : { 31, 32 }) {
        if (!m_paper.empty())
            break;
        m_window.PicPyG(q)->setAccessibleName(m_state.Pyetja(q));
        m_window.PicPyG(q)->setAccessibleDescription(Descriptions::drawing(q));
    }
    // Named for a screen reader: the window by the exam's title, the leave button by its words.
    m_window.setAccessibleName(m_window.LblEmertimIProvimit->caption().trimmed());
    m_window.CmdEND->setAccessibleName(withoutLetterSpacing(m_window.CmdEND->text()));
    drawPointLegend();
}

void Exam::takeBankFromFile(RandomGenerator &random)
{
    for (std::size_t i : chooseQuestions(m_setup.bank, QuestionCount, m_setup.quotas, random))
        m_paper.push_back(m_setup.bank[i]);
    if (m_paper.size() != std::size_t(QuestionCount))
        qFatal(
            "The bank gives %zu questions where the paper has %d", m_paper.size(), QuestionCount);
    m_setup.bank.clear(); // the questions not on the paper are not needed again
    fillBankFromFile(m_state, m_paper);
    // A question's picture stands where the built-in ones do: in the smaller box's place when
    // it fits there, else in the larger one's, shrunk to its size when larger.
    for (int g : { 31, 32 })
        m_window.PicPyG(g)->setLargestPicture(m_window.PicPyG(g)->designGeometry().size());
}

qint64 Exam::bankIdentifier(int q) const
{
    return m_paper.empty() ? q : m_paper.at(std::size_t(q - 1)).NumerIDiPyetjes.value_or(0);
}

void Exam::showDate()
{
    m_window.LblData->setCaption(m_dateLocale.toString(m_today, QLocale::ShortFormat));
}

void Exam::RuajPozicionetAlt()
{
    for (int j = 1; j <= AlternativeCount; ++j) {
        const QRect g = m_window.CmdAlternativa(j)->designGeometry();
        m_state.AltLeft(j) = static_cast<float>(g.x());
        m_state.AltTop(j) = static_cast<float>(g.y());
        m_state.AltWidth(j) = static_cast<float>(g.width());
        m_state.AltHeight(j) = static_cast<float>(g.height());
    }
}

void Exam::countAlternatives()
{
    // The structure string's first letter is the question itself, each further one an
    // alternative.
    for (int q = 1; q <= QuestionCount; ++q)
        m_state.NrAlternativave(q) = static_cast<int>(m_state.StrukturaEPyetjes(q).size()) - 1;
}

void Exam::layOutQuestionButtons()
{
    // Ten rows of five from the button size read at run time, each button framed in the colour
    // of the points of the question behind it.
    const QRect last = m_window.CmdZgjidhPyetjen(QuestionCount)->designGeometry();
    m_state.GjeresiaButonit = static_cast<float>(last.width());
    m_state.LartesiaButonit = static_cast<float>(last.height());
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
    for (int k = 1; k <= m_state.NrPyetjeve; ++k) {
        FlatButton *b = m_window.CmdZgjidhPyetjen(k);
        b->setText(QString::number(k));
        b->setBackColor(toQColor(Colours::Pink));
        x = x + ColumnStep * W;
        b->setDesignGeometry({ toPixel(x), toPixel(y), toPixel(W), toPixel(H) });
        const int p = m_state.PikePozitive(m_state.Teza(k));
        if (p >= 1 && p <= 3)
            m_state.NgjyraPikeve(p) = pointColour(p);
        d.setDrawWidth(FrameThickness);
        d.rectangle({ x - FrameMargin, y - FrameMargin },
            { x + W + FrameMargin, y + H + FrameMargin },
            toQColor(colourOrBlack(m_state.NgjyraPikeve(p))));
        b->show();
        if (k % ButtonsPerRow == 0) {
            y = y + RowStep * H;
            x = GridX0;
        }
    }
}

void Exam::placePhotoAndName()
{
    // The name spans one grid row, under the photo.
    TextLabel *name = m_window.LblEmriMbiemri;
    const QRect b1 = m_window.CmdZgjidhPyetjen(1)->designGeometry();
    const QRect b5 = m_window.CmdZgjidhPyetjen(5)->designGeometry();
    QRect n = name->designGeometry();
    n.setRect(toPixel(GridX0 + ColumnStep * m_state.GjeresiaButonit), n.y(),
        b5.left() - b1.left() + b5.width(), n.height());
    QRect photo = m_window.ImgFoto->designGeometry();
    photo.moveTopLeft(PhotoPlace);
    m_window.ImgFoto->setDesignGeometry(photo);
    n.moveTop(photo.bottom() + 1 + BelowPhoto);
    name->setDesignGeometry(n);
}

namespace {
// The texts an exam centre sets, the label each one replaces the design's caption of, and how
// the administrator calls it.
const struct
{
    QString SittingSetup::*text;
    TextLabel *FormProvimi::*label;
    const char *name;
} SittingTexts[] = {
    { &SittingSetup::title, &FormProvimi::LblEmertimIProvimit, "titulli" },
    { &SittingSetup::dateText, &FormProvimi::LblData, "data" },
    { &SittingSetup::desk, &FormProvimi::LblTezaTavolinaTerminali, "tavolina" },
    { &SittingSetup::candidate, &FormProvimi::LblEmriMbiemri, "emri i kandidatit" },
};
} // namespace

void Exam::showSitting()
{
    // Only what the exam centre set replaces the design's own.
    for (const auto &t : SittingTexts)
        if (!(m_setup.*t.text).isEmpty())
            (m_window.*t.label)->setCaption(m_setup.*t.text);
    if (!m_setup.photo.isEmpty())
        m_window.ImgFoto->setPictureData(m_setup.photo);
}

QStringList Exam::textsThatDoNotFit() const
{
    // Measured on the labels as start-up left them, in their own fonts. A label always holds
    // one line: the desk's big digits stand a little taller than their label by design.
    QStringList problems;
    for (const auto &t : SittingTexts) {
        const QString &text = m_setup.*t.text;
        const TextLabel *label = m_window.*t.label;
        const int border = label->hasBorder() ? 2 * TextLabel::BorderThickness : 0;
        const QSize room = label->size() - QSize(border, border);
        const int line = QFontMetrics(label->font()).lineSpacing();
        if (!text.isEmpty()
            && !TextFit::fits(text, label->font(), { room.width(), std::max(room.height(), line) }))
            problems << QStringLiteral("%1 \"%2\" nuk hyn në vendin e vet në dritare")
                            .arg(QString::fromUtf8(t.name), text);
    }
    return problems;
}

void Exam::clearAlternativeCaptions()
{
    // The leave alternative keeps its caption.
    for (int j = 1; j <= AlternativeCount; ++j)
        m_window.CmdAlternativa(j)->setCaption(QString());
}

void Exam::drawPointLegend()
{
    // Left of the grid, one box and line per point value, each in its colour; the text starts
    // where the rectangle left the drawing position, moved back up into the box.
    const double W = m_state.GjeresiaButonit;
    const double H = m_state.LartesiaButonit;
    DrawingSurface &d = m_window.surface();
    d.setFontSize(LegendFontPoints);
    for (int p = 1; p <= 3; ++p) {
        const QColor c = toQColor(colourOrBlack(m_state.NgjyraPikeve(p)));
        const double y1 = LegendY + LegendStep * p;
        d.rectangle({ LegendX, y1 }, { LegendX + W + 15, y1 + H + 10 }, c);
        d.setForeColor(c);
        d.setCurrentX(d.currentX() - 1.4 * W);
        d.setCurrentY(d.currentY() - H);
        d.print(QString::number(p) + Texts::PointsSuffix);
        d.endLine();
    }
}

void Exam::Form_Activate()
{
    // The window becomes active again whenever the candidate's focus returns or a message box
    // closes; only the first activation sets up the clock and the notice.
    if (m_activated)
        return;
    m_activated = true;

    // A resumed sitting keeps its clock, and the rules are not shown over it again.
    if (m_state.phase == Phase::BeforeFirstQuestion) {
        m_window.LblMin->setCaption(QStringLiteral("60:"));
        m_window.LblSek->setCaption(QStringLiteral("00"));
        m_window.LblNjoftim->setCaption(Texts::notice());
        // A screen reader reads the rules with the window's name as the window opens.
        m_window.setAccessibleDescription(Descriptions::notice(Texts::notice()));
        m_window.LblNjoftim->setBorder(false);
        m_window.LblNjoftim->show();
    }
    // The panel is built once the first frame is out; it moves when it stands.
    if (m_window.hasBankPanel())
        moveBankPanelToFirst();
    else
        connect(&m_window, &FormProvimi::bankPanelBuilt, this, &Exam::moveBankPanelToFirst,
            Qt::SingleShotConnection);
}

void Exam::moveBankPanelToFirst()
{
    // Bound to the bank file, read-only, the panel shows its first record. Without a bank file
    // the move fails, and the exam goes on regardless.
    BankPanel *panel = m_window.bankPanel();
    if (!m_setup.bankFile.isEmpty())
        panel->attachFile(m_setup.bankFile);
    panel->moveToFirst();
}
