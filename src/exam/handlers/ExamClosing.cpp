// Closing the examination: scoring the paper and drawing the result on the window.

#include "exam/handlers/Exam.h"

#include "base/Units.h"
#include "exam/Descriptions.h"
#include "exam/ExamState.h"
#include "exam/NumberText.h"
#include "exam/Scoring.h"
#include "exam/Texts.h"
#include "screen/FlatButton.h"
#include "screen/FormProvimi.h"
#include "screen/PictureBox.h"
#include "screen/TextLabel.h"

#include <QTimer>

using Units::toQColor;

namespace {
constexpr double HeadingsY = 135;
constexpr int ButtonShift = 5;
constexpr double NumberBox = 15;
constexpr double ResultFontPoints = 14;
constexpr double NumberFontPoints = 10;
} // namespace

void Exam::PerfundoProvimin()
{
    switch (m_state.phase) {
    case Phase::Closed:
    case Phase::ClosingAfterFlight:
        // Closing runs once: a second trigger (an end request answered after time ran out)
        // would move the buttons again and print over the listing.
        return;
    case Phase::AnswerInFlight:
        m_state.phase = Phase::ClosingAfterFlight; // the answer lands first, then the exam closes
        return;
    case Phase::BeforeFirstQuestion:
    case Phase::Running:
        break;
    }
    m_state.phase = Phase::Closed;
    m_window.setCloseAllowed(true);

    m_window.Timer1->stop();
    m_window.ImgPyetjaX->hide();
    m_window.ImgPyetjaX->setEnabled(false);
    m_window.PicPyG(31)->hide();
    m_window.PicPyG(32)->hide();
    colourQuestionButtons();
    // The leave button is the one Tab stop left; the arrows still walk the grid.
    for (int k = 1; k <= m_state.NrPyetjeve; ++k)
        m_window.CmdZgjidhPyetjen(k)->setFocusPolicy(Qt::NoFocus);
    m_window.setNextTabStop(nullptr, nullptr);
    FshihAlternativat();
    LlogaritVlersimin();
    AfishoRezultatin();
    describeQuestionButtons();
    const QChar separator = NumberText::systemDecimalSeparator();
    m_window.LblRezNePerqindje->setAccessibleDescription(
        Descriptions::score(m_state.PiketEGrumbulluara, m_state.PiketMaksimale, separator));
    // The keyboard lands where a screen reader says the result; the arrows go on to the
    // listing, read from the question buttons.
    m_window.CmdEND->setAccessibleDescription(
        Descriptions::result(m_window.LblRezNePerqindje->caption(), m_state.PiketEGrumbulluara,
            m_state.PiketMaksimale, separator));
    m_window.CmdEND->setFocus(Qt::OtherFocusReason);
    emit closed(m_ending);
}

void Exam::FshihAlternativat()
{
    for (int j = 0; j <= AlternativeCount; ++j) {
        m_window.CmdAlternativa(j)->hide();
        m_window.LblGermaEAlt(j)->hide();
    }
    m_window.CmdKonfirmoj->hide();
    m_window.LblZgjidhniPyTj->hide();
}

void Exam::LlogaritVlersimin()
{
    const Scoring v
        = computeScoring(m_state, [this](int k) { return m_window.CmdZgjidhPyetjen(k)->text(); });
    m_state.PergjigjetEDhena = v.PergjigjetEDhena;
    m_state.PiketEFituara = v.PiketEFituara;
    m_state.PiketEGrumbulluara = v.PiketEGrumbulluara;
    m_state.PiketMaksimale = v.PiketMaksimale;
    const double p = percentage(m_state.PiketEGrumbulluara, m_state.PiketMaksimale);
    m_window.LblRezNePerqindje->setCaption(percentageText(p, NumberText::systemDecimalSeparator()));
    m_window.LblRezNePerqindje->show();
}

void Exam::AfishoRezultatin()
{
    m_window.CmdEND->show();
    m_window.LblNjoftim->hide();
    printListing();
    numberQuestionButtons();
}

void Exam::printListing()
{
    DrawingSurface &d = m_window.surface();
    d.setForeColor(Qt::white);
    d.setFontSize(ResultFontPoints);
    // Room for the headings, the two columns and the number boxes in one step.
    d.reserve(QRect(QPoint(0, static_cast<int>(HeadingsY)),
        QPoint(d.area().right(),
            ListingY + static_cast<int>((m_state.NrPyetjeve / 2 + 1) * d.lineHeight()))));
    d.setCurrentX(0);
    d.setCurrentY(HeadingsY);
    d.print(QString(10, QLatin1Char(' ')) + Texts::ResultHeading);
    d.endLine();
    d.print(QString(15, QLatin1Char(' ')) + Texts::PointsHeading);
    d.endLine();
    d.endLine();

    // Both columns start at the same height: rows 1 to 25 on the left, 26 to 50 on the right.
    int column = -1;
    for (const ListingRow &r : resultListing(m_state, NumberText::systemDecimalSeparator())) {
        if (r.x != column) {
            column = r.x;
            d.setCurrentY(ListingY);
        }
        d.setCurrentX(r.x);
        for (const PrintedPiece &c : r.pieces) {
            if (c.x)
                d.setCurrentX(*c.x);
            d.setForeColor(toQColor(c.colour));
            d.print(c.text);
        }
        d.endLine();
    }
}

void Exam::numberQuestionButtons()
{
    // Each question button steps aside and gets its position number in a black box beside it.
    DrawingSurface &d = m_window.surface();
    for (int k = 1; k <= m_state.NrPyetjeve; ++k) {
        FlatButton *b = m_window.CmdZgjidhPyetjen(k);
        const QRect g = b->designGeometry().translated(ButtonShift, ButtonShift);
        b->setDesignGeometry(g);
        const QPointF topLeftCorner(g.x() - NumberBox, g.y() - NumberBox);
        d.setForeColor(Qt::black);
        d.filledBox(topLeftCorner, QPointF(g.topLeft()), Qt::black);
        d.setFontSize(NumberFontPoints);
        d.setForeColor(Qt::white);
        d.setCurrentX(topLeftCorner.x());
        d.setCurrentY(topLeftCorner.y());
        d.print(NumberText::numberForm(k, NumberText::systemDecimalSeparator()));
        d.endLine();
    }
}

void Exam::CmdEND_Click()
{
    emit finished(0);
}
