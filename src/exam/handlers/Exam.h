#pragma once

#include "exam/ExamState.h"
#include "exam/SittingSetup.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QObject>

#include <utility>

class Dialogs;
class FormProvimi;
class PictureBox;
class RandomGenerator;

// The examination on the exam window: it owns the exam state and holds the handlers of the
// window's events (start-up, activation, question selection, the answer click, confirmation
// with its flight, closing and scoring, the countdown). The handlers apply the pure rules of
// the exam (the paper draw, scoring, the clock step) to the window's controls.
//
// Everything runs on the user-interface thread. The flight lets the window process events
// between its steps; the state's phase keeps the exam sound whatever arrives then: no second
// flight inside the first, no leave request during a flight, a time-out during a flight lands
// the answer in flight before the exam closes, and the closing runs once whichever trigger
// comes second.
//
// Indexes follow the state's rule: q a question number, k a paper position (question button
// k), j an alternative (answer button j; 0 is the request to end the examination).
class Exam final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Exam)

public:
    // The paper is drawn from the seed; today's date is shown on the window.
    Exam(FormProvimi &window, Dialogs &dialogs, float seed, QDate today, QObject *parent = nullptr);

    // The date is written in this locale's short format; the system's unless set before
    // Form_Load.
    void setDateLocale(const QLocale &locale) { m_dateLocale = locale; }

    static constexpr int FlightDivisions = 200; // the button never quite arrives
    static constexpr double ArrivalFontPoints = 14;

    // What the exam centre set for this sitting, given before Form_Load; a bank in it must
    // have passed BankCheck. Without it the sitting is the design's own, with the built-in bank.
    void setSitting(SittingSetup setup) { m_setup = std::move(setup); }
    // After Form_Load: the texts the exam centre set that do not fit where the window shows
    // them, one line each for the administrator.
    QStringList textsThatDoNotFit() const;

    void Form_Load();
    void Form_Activate();
    void CmdZgjidhPyetjen_Click(int k);
    void CmdAlternativa_Click(int j);
    void CmdKonfirmoj_Click();
    void CmdEND_Click();
    void Timer1_Timer();
    // A letter typed on the window: A to E marks that alternative of the open question, as
    // clicking it does, and hands the focus to KONFIRMOJ; K has a screen reader say the time
    // left.
    void letterTyped(QChar letter);
    static constexpr QChar TimeKey = u'K';

    // Closing as the end of time or a confirmed end request does it.
    void PerfundoProvimin();

    // How the examination closed: the leave alternative confirmed, the time run out, or a
    // sitting resumed with no time left.
    enum class Ending { Leave, TimeUp, ResumedPastTime };

    // A sitting interrupted by a restart goes on, set up after start-up and before the window
    // is shown: the questions opened before in their colour, the confirmed answers on their
    // buttons and the clock running from the time left. With no time left it closes at once,
    // scoring what was confirmed.
    void resume(
        const QList<int> &opened, const QList<std::pair<int, QString>> &answers, int secondsLeft);
    // The time left on the clock, in seconds.
    int secondsLeft() const;

    const ExamState &state() const { return m_state; }
    Phase phase() const { return m_state.phase; }
    float seed() const { return m_seed; }
    bool isActivated() const { return m_activated; }
    // The bank file's identifier of question q of this paper; q itself with the built-in bank.
    qint64 bankIdentifier(int q) const;

signals:
    // The program should end with this exit code (the leave button).
    void finished(int exitCode);
    // One step of the flight is drawn (1 to 199); events may arrive before the next.
    void flightStep(int step);
    // What a record of the sitting keeps. An answer is announced before its button shows it,
    // so whatever keeps it has done so when the candidate sees it recorded.
    void questionOpened(int k, int secondsLeft);
    void answerConfirmed(int k, const QString &letter, int secondsLeft);
    void clockTicked(int secondsLeft);
    void closed(Exam::Ending how);

private:
    // Start-up, step by step.
    void showDate();
    void RuajPozicionetAlt();
    void countAlternatives();
    void layOutQuestionButtons();
    void placePhotoAndName();
    void clearAlternativeCaptions();
    void drawPointLegend();
    void takeBankFromFile(RandomGenerator &random);
    void showSitting();

    // Question selection, step by step.
    void hideQuestionArea();
    void startClockOnFirstQuestion();
    void showQuestion(int q);
    void colourQuestionButtons();
    PictureBox *questionPicture(int q);
    void showAlternatives(int q);
    void markConfirmedAnswer(int k);

    // Confirmation.
    void askToEnd();
    void fly(int j, int k);
    void landAnswer(int j, int k);
    void BllokoButonat();
    void ZhbllokoButonat();
    void RivendosPozicionetAlt();

    // Closing.
    void FshihAlternativat();
    void LlogaritVlersimin();
    void AfishoRezultatin();
    void printListing();
    void numberQuestionButtons();

    // The keyboard's way on after marking: to KONFIRMOJ, which a screen reader reads out with
    // the marked answer, and read out once more when the focus is already there.
    void goToConfirm();
    void sayQuestion(int k);
    void sayTimeLeft();

    void connectControls();
    void moveBankPanelToFirst();
    // What the colours and captions say, as accessible descriptions.
    void describeQuestionButtons();
    void describeQuestionButton(int k);
    void describeAnswerButtons();

    FormProvimi &m_window;
    Dialogs &m_dialogs;
    ExamState m_state;
    SittingSetup m_setup;
    std::vector<BankQuestion> m_paper; // from a bank file: question q is element q - 1
    const float m_seed;
    const QDate m_today;
    QLocale m_dateLocale = QLocale::system();
    bool m_activated = false;
    Ending m_ending = Ending::Leave;
};
