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
#include "store/Picture.h"

#include <QTimer>

using Units::toQColor;

namespace {
constexpr int QuestionTop = 250; // where a question's text stands

bool byPicture(const ExamState &s, int q)
{
    return s.StrukturaEPyetjes(q).startsWith(QLatin1Char('G'));
}

// Only a real change is announced to assistive technology.
void describe(QWidget *w, const QString &description)
{
    if (w->accessibleDescription() != description)
        w->setAccessibleDescription(description);
}
} // namespace

void Exam::CmdZgjidhPyetjen_Click(int k)
{
    // Once the exam has closed, a question click only clears the question area.
    if (m_state.ProvimiPerfundoi() == FlagYes) {
        hideQuestionArea();
        return;
    }
    startClockOnFirstQuestion();
    emit questionOpened(k, secondsLeft());

    const int q = m_state.Teza(k);
    const int previous = m_state.PyetjaEHapur;
    FlatButton *button = m_window.CmdZgjidhPyetjen(k);
    button->setTag(Texts::ReadTag);
    showQuestion(q);
    m_window.LblZgjidhniPyTj->hide();
    m_state.GermaEZgjedhur.clear();

    colourQuestionButtons();
    button->setBackColor(toQColor(Colours::OpenGreen));
    m_state.PyetjaEHapur = k;
    m_window.ImgPyetjaX->clearPicture();
    m_window.CmdKonfirmoj->show();
    // Tab goes on from the question to its answers.
    m_window.setNextTabStop(button, m_window.CmdAlternativa(1));
    showAlternatives(q);
    markConfirmedAnswer(k);
    // Only the question left and the one opened say something new.
    if (previous != 0 && previous != k)
        describeQuestionButton(previous);
    describeQuestionButton(k);
    describeAnswerButtons();
}

void Exam::hideQuestionArea()
{
    m_window.PicPyG(31)->hide();
    m_window.PicPyG(32)->hide();
    m_window.LblNjoftim->hide();
}

void Exam::startClockOnFirstQuestion()
{
    if (m_state.phase != Phase::BeforeFirstQuestion)
        return;
    m_state.phase = Phase::Running;
    m_window.Timer1->start();
    m_window.setAccessibleDescription(QString()); // the rules are read once
    m_window.LblNjoftim->setForeColor(Qt::white);
}

void Exam::showQuestion(int q)
{
    m_window.LblNjoftim->setFontSize(m_state.FondSizeP(q));
    m_window.LblNjoftim->setCaption(m_state.Pyetja(q));
    // A picture question shows its picture instead of the text. Each control ends in the state
    // it must have without passing through another, so nothing that stays on screen is
    // repainted for nothing.
    PictureBox *picture = byPicture(m_state, q) ? questionPicture(q) : nullptr;
    for (int g : { 31, 32 })
        if (m_window.PicPyG(g) != picture)
            m_window.PicPyG(g)->hide();
    m_window.LblNjoftim->setVisible(!picture);
    if (picture) {
        picture->show();
        // Shown at once, without letting a tick or a click run in the middle of opening.
        picture->repaint();
    }
    QRect notice = m_window.LblNjoftim->designGeometry();
    notice.moveTop(QuestionTop);
    m_window.LblNjoftim->setDesignGeometry(notice);
}

PictureBox *Exam::questionPicture(int q)
{
    // The built-in bank's picture questions have their own boxes, 31 and 32.
    if (m_paper.empty())
        return m_window.PicPyG(q);
    const QByteArray &g = m_paper.at(std::size_t(q - 1)).ImazhGrafikIPyetes;
    const QSize size = Picture::size(g);
    PictureBox *box = m_window.PicPyG(
        Picture::fitted(size, m_window.PicPyG(32)->largestPicture()) == size ? 32 : 31);
    box->setPictureData(g);
    box->setAccessibleName(m_state.Pyetja(q));
    box->setAccessibleDescription(QString());
    return box;
}

void Exam::colourQuestionButtons()
{
    // The tag decides, never the colour: opened once is yellow, never opened pink.
    for (int k = 1; k <= m_state.NrPyetjeve; ++k) {
        FlatButton *b = m_window.CmdZgjidhPyetjen(k);
        b->setBackColor(toQColor(b->tag() == Texts::ReadTag ? Colours::Yellow : Colours::Pink));
    }
}

void Exam::showAlternatives(int q)
{
    // The question's alternatives, fresh and unmarked; the leave alternative keeps its own
    // visibility.
    for (int j = 1; j <= AlternativeCount; ++j) {
        FlatButton *a = m_window.CmdAlternativa(j);
        const bool hasAlternative = j <= m_state.NrAlternativave(q);
        if (!hasAlternative) {
            a->hide();
            m_window.LblGermaEAlt(j)->hide();
        }
        a->setFontSize(m_state.FondSizeAlt(q));
        a->setCaption(m_state.Alternativat(q, j));
        const bool pictured = !m_paper.empty() && hasAlternative
            && m_state.StrukturaEPyetjes(q).at(j) == QLatin1Char('G');
        a->setPictureData(pictured
                ? m_paper.at(std::size_t(q - 1)).AlternativaGrafik.at(std::size_t(j - 1))
                : QByteArray());
        a->setBackColor(Qt::white);
        m_window.LblGermaEAlt(j)->setForeColor(Qt::white);
        if (hasAlternative) {
            a->show();
            m_window.LblGermaEAlt(j)->show();
        }
    }
    m_window.CmdAlternativa(0)->setBackColor(Qt::white);
}

void Exam::markConfirmedAnswer(int k)
{
    // An answered question shows its confirmed letter marked again, ready to be confirmed
    // again or replaced. A caption with a numeric value is still the position number.
    const QString caption = m_window.CmdZgjidhPyetjen(k)->text();
    if (NumberText::numericValue(caption) != 0)
        return;
    static const QString Letters = QStringLiteral("ABCDE");
    const qsizetype j = caption.size() == 1 ? Letters.indexOf(caption) : -1;
    if (j >= 0)
        CmdAlternativa_Click(static_cast<int>(j) + 1);
}

void Exam::CmdAlternativa_Click(int j)
{
    // The leave alternative cannot take over the answer that is in flight.
    if (j == 0 && m_state.phase == Phase::AnswerInFlight)
        return;
    m_state.GermaEZgjedhur = m_window.LblGermaEAlt(j)->caption().left(1);
    m_state.AlternativaEZgjedhur = j;
    for (int i = 0; i <= AlternativeCount; ++i)
        m_window.CmdAlternativa(i)->setBackColor(Qt::white);
    m_window.CmdAlternativa(j)->setBackColor(toQColor(Colours::OpenGreen));
    describeAnswerButtons();
}

void Exam::letterTyped(QChar letter)
{
    if (letter == TimeKey) {
        sayTimeLeft();
        return;
    }
    // Only an alternative of the open question that a click could reach; never the leave
    // alternative, which takes Tab or the mouse.
    const int j = letter.unicode() - u'A' + 1;
    if (j < 1 || j > AlternativeCount || m_state.PyetjaEHapur == 0)
        return;
    FlatButton *a = m_window.CmdAlternativa(j);
    if (a->isHidden() || !a->isEnabled())
        return;
    CmdAlternativa_Click(j);
    goToConfirm();
}

void Exam::goToConfirm()
{
    FlatButton *confirm = m_window.CmdKonfirmoj;
    if (confirm->hasFocus())
        m_window.announce(confirm->accessibleDescription());
    else
        confirm->setFocus(Qt::ShortcutFocusReason);
}

void Exam::sayQuestion(int k)
{
    const int q = m_state.Teza(k);
    m_window.announce(Descriptions::openQuestion(k, m_state.PikePozitive(q), m_state.Pyetja(q),
        byPicture(m_state, q) && m_paper.empty() ? Descriptions::drawing(q) : QString()));
}

void Exam::sayTimeLeft()
{
    if (m_state.phase == Phase::Closed)
        return;
    m_window.announce(Descriptions::timeLeft(
        static_cast<int>(NumberText::numericValue(m_window.LblMin->caption())),
        static_cast<int>(NumberText::numericValue(m_window.LblSek->caption()))));
}

void Exam::describeQuestionButtons()
{
    for (int k = 1; k <= m_state.NrPyetjeve; ++k)
        describeQuestionButton(k);
}

void Exam::describeQuestionButton(int k)
{
    FlatButton *b = m_window.CmdZgjidhPyetjen(k);
    const int q = m_state.Teza(k);
    if (m_state.phase == Phase::Closed) {
        describe(b,
            Descriptions::closedQuestion(k, q, m_state.PergjigjetEDhena(k),
                m_state.PergjigjaESakte(q), m_state.PiketEFituara(k)));
        return;
    }
    const auto seen = k == m_state.PyetjaEHapur ? Descriptions::Seen::OpenNow
        : b->tag() == Texts::ReadTag            ? Descriptions::Seen::Before
                                                : Descriptions::Seen::Never;
    // A caption without a numeric value is the confirmed letter.
    const QString letter = NumberText::numericValue(b->text()) == 0 ? b->text() : QString();
    describe(b, Descriptions::question(k, m_state.PikePozitive(q), seen, letter));
}

void Exam::describeAnswerButtons()
{
    // The alternatives are described while a question is open; the leave alternative always.
    // KONFIRMOJ says what it would confirm.
    const bool anyMarked = !m_state.GermaEZgjedhur.isEmpty();
    for (int j = 0; j <= AlternativeCount; ++j) {
        const bool marked = anyMarked && m_state.AlternativaEZgjedhur == j;
        describe(m_window.CmdAlternativa(j),
            j == 0 || m_state.PyetjaEHapur != 0 ? Descriptions::alternative(j, marked) : QString());
    }
    const int chosen = m_state.AlternativaEZgjedhur;
    const int j = anyMarked && (chosen == 0 || m_state.PyetjaEHapur != 0) ? chosen : -1;
    describe(m_window.CmdKonfirmoj,
        Descriptions::confirmation(j, j > 0 ? m_window.CmdAlternativa(j)->text() : QString()));
}
