// Opening a question and marking an alternative.

#include "exam/handlers/Exam.h"

#include "base/Units.h"
#include "exam/Descriptions.h"
#include "exam/ExamState.h"
#include "exam/NumberText.h"
#include "exam/Texts.h"
#include "screen/FlatButton.h"
#include "screen/FormProvimi.h"
#include "screen/PictureBox.h"
#include "screen/TextLabel.h"

#include <QTimer>

using Units::toQColor;

namespace {
constexpr int NoticeHeight = 250; // where a question's text stands
}

void Exam::colourQuestionButtons()
{
    // The tag decides, never the colour: opened once is yellow, never opened pink.
    for (int b = 1; b <= m_state.NrPyetjeve; ++b) {
        FlatButton *c = m_window.CmdZgjidhPyetjen(b);
        c->setBackColor(toQColor(c->tag() == Texts::ReadTag ? Colours::Yellow : Colours::Pink));
    }
}

namespace {
// Only a real change is announced to assistive technology.
void describe(QWidget *w, const QString &description)
{
    if (w->accessibleDescription() != description)
        w->setAccessibleDescription(description);
}
} // namespace

void Exam::describeQuestionButtons()
{
    for (int k = 1; k <= m_state.NrPyetjeve; ++k) {
        FlatButton *b = m_window.CmdZgjidhPyetjen(k);
        const int q = m_state.Teza(k);
        if (m_closed) {
            describe(b,
                Descriptions::closedQuestion(k, q, m_state.PergjigjetEDhena(k),
                    m_state.PergjigjaESakte(q), m_state.PiketEFituara(k)));
            continue;
        }
        const auto seen = k == m_state.PyetjaEHapur ? Descriptions::Seen::OpenNow
            : b->tag() == Texts::ReadTag            ? Descriptions::Seen::Before
                                                    : Descriptions::Seen::Never;
        // A caption without a numeric value is the confirmed letter.
        const QString letter = NumberText::numericValue(b->text()) == 0 ? b->text() : QString();
        describe(b, Descriptions::question(k, m_state.PikePozitive(q), seen, letter));
    }
}

void Exam::describeAnswerButtons()
{
    // The alternatives are described while a question is open; the leave alternative always.
    const bool anyMarked = !m_state.GermaEZgjedhur.isEmpty();
    for (int j = 0; j <= AlternativeCount; ++j) {
        const bool marked = anyMarked && m_state.AlternativaEZgjedhur == j;
        describe(m_window.CmdAlternativa(j),
            j == 0 || m_state.PyetjaEHapur != 0 ? Descriptions::alternative(j, marked) : QString());
    }
}

void Exam::CmdZgjidhPyetjen_Click(int i)
{
    // Once the exam has closed, a question click only clears the question area.
    if (m_state.ProvimiPerfundoi == FlagYes) {
        m_window.PicPyG(31)->hide();
        m_window.PicPyG(32)->hide();
        m_window.LblNjoftim->hide();
        return;
    }

    // The first question opened starts the countdown.
    if (!m_window.Timer1->isActive()) {
        m_window.Timer1->start();
        m_window.LblNjoftim->setForeColor(Qt::white);
    }

    const int q = m_state.Teza(i);
    FlatButton *button = m_window.CmdZgjidhPyetjen(i);
    button->setTag(Texts::ReadTag);
    m_window.LblNjoftim->setFontSize(m_state.FondSizeP(q));
    m_window.LblNjoftim->setCaption(m_state.Pyetja(q));
    // A picture question shows its picture instead of the text. Each control ends in the state
    // it must have without passing through another, so nothing that stays on screen is
    // repainted for nothing.
    const bool byPhoto = m_state.StrukturaEPyetjes(q).startsWith(QLatin1Char('G'));
    PictureBox *photo = byPhoto ? m_window.PicPyG(q) : nullptr;
    for (int g : { 31, 32 })
        if (m_window.PicPyG(g) != photo)
            m_window.PicPyG(g)->hide();
    m_window.LblNjoftim->setVisible(!byPhoto);
    if (photo) {
        photo->show();
        // Shown at once, without letting a tick or a click run in the middle of opening.
        photo->repaint();
    }
    m_window.LblNjoftim->move(m_window.LblNjoftim->x(), NoticeHeight);
    m_window.LblZgjidhniPyTj->hide();
    m_state.GermaEZgjedhur.clear();

    colourQuestionButtons();
    button->setBackColor(toQColor(Colours::OpenGreen));
    m_state.PyetjaEHapur = i;
    m_window.ImgPyetjaX->clearPicture();
    m_window.CmdKonfirmoj->show();

    // The question's alternatives, fresh and unmarked; the leave alternative keeps its own
    // visibility.
    for (int j = 1; j <= AlternativeCount; ++j) {
        FlatButton *a = m_window.CmdAlternativa(j);
        const bool hasQuestion = j <= m_state.NrAlternativave(q);
        if (!hasQuestion) {
            a->hide();
            m_window.LblGermaEAlt(j)->hide();
        }
        a->setFontSize(m_state.FondSizeAlt(q));
        a->setText(m_state.Alternativat(q, j));
        a->setBackColor(Qt::white);
        m_window.LblGermaEAlt(j)->setForeColor(Qt::white);
        if (hasQuestion) {
            a->show();
            m_window.LblGermaEAlt(j)->show();
        }
    }
    m_window.CmdAlternativa(0)->setBackColor(Qt::white);

    // An answered question shows its confirmed letter marked again, ready to be confirmed
    // again or replaced. A caption with a numeric value is still the position number.
    const QString title = button->text();
    if (NumberText::numericValue(title) == 0) {
        static const QString Letters = QStringLiteral("ABCDE");
        const qsizetype j = title.size() == 1 ? Letters.indexOf(title) : -1;
        if (j >= 0)
            CmdAlternativa_Click(static_cast<int>(j) + 1);
    }
    describeQuestionButtons();
    describeAnswerButtons();
}

void Exam::CmdAlternativa_Click(int k)
{
    // The leave alternative cannot take over the answer that is in flight.
    if (k == 0 && m_inFlight)
        return;
    m_state.GermaEZgjedhur = m_window.LblGermaEAlt(k)->caption().left(1);
    m_state.AlternativaEZgjedhur = k;
    for (int j = 0; j <= AlternativeCount; ++j)
        m_window.CmdAlternativa(j)->setBackColor(Qt::white);
    m_window.CmdAlternativa(k)->setBackColor(toQColor(Colours::OpenGreen));
    describeAnswerButtons();
}

void Exam::letterTyped(QChar letter)
{
    // Only an alternative of the open question that a click could reach; never the leave
    // alternative, which takes Tab or the mouse.
    const int j = letter.unicode() - u'A' + 1;
    if (j < 1 || j > AlternativeCount || m_state.PyetjaEHapur == 0)
        return;
    FlatButton *a = m_window.CmdAlternativa(j);
    if (a->isHidden() || !a->isEnabled())
        return;
    CmdAlternativa_Click(j);
    m_window.CmdKonfirmoj->setFocus(Qt::ShortcutFocusReason);
}
