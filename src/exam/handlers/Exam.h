#pragma once

#include "exam/ExamState.h"

#include <QDate>
#include <QObject>

class Dialogs;
class FormProvimi;

// The examination on the exam window: it owns the exam state and holds the handlers of the
// window's events (start-up, activation, question selection, the answer click, confirmation
// with its flight, closing and scoring, the countdown). The handlers apply the pure rules of
// the exam (the paper draw, scoring, the clock step) to the window's controls.
//
// Everything runs on the user-interface thread. Two handlers let the window process events in
// the middle of their work (the flight processes events after every step), so the guards
// below keep the exam sound whatever arrives then: no second flight inside the first, no leave
// request during a flight, a time-out during a flight records the answer in flight before the
// exam closes, and the closing runs once whichever trigger comes second.
class Exam final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Exam)

public:
    // The paper is drawn from the seed; today's date is shown on the window.
    Exam(FormProvimi &window, Dialogs &dialogs, float seed, QDate today, QObject *parent = nullptr);

    static constexpr int FlightDivisions = 200; // the button never quite arrives
    static constexpr double ArrivalFontPoints = 14;

    void Form_Load();
    void Form_Activate();
    void CmdZgjidhPyetjen_Click(int index);
    void CmdAlternativa_Click(int index);
    void CmdKonfirmoj_Click();
    void CmdEND_Click();
    void Timer1_Timer();
    // A letter typed on the window: A to E marks that alternative of the open question, as
    // clicking it does, and hands the focus to KONFIRMOJ.
    void letterTyped(QChar letter);

    // Closing as the end of time or a confirmed end request does it.
    void PerfundoProvimin();

    const ExamState &state() const { return m_state; }
    float seed() const { return m_seed; }
    bool isInFlight() const { return m_inFlight; }
    bool isClosed() const { return m_closed; } // the closing has run
    bool isActivated() const { return m_activated; }

signals:
    // The program should end with this exit code (the leave button).
    void finished(int exitCode);
    // One step of the flight is drawn (1 to 199); events may arrive before the next.
    void flightStep(int step);

private:
    void RuajPozicionetAlt();
    void BllokoButonat();
    void ZhbllokoButonat();
    void RivendosPozicionetAlt();
    void FshihAlternativat();
    void LlogaritVlersimin();
    void AfishoRezultatin();

    void connectControls();
    void colourQuestionButtons();
    // What the colours and captions say, as accessible descriptions.
    void describeQuestionButtons();
    void describeAnswerButtons();
    void fly(int k, int i);

    FormProvimi &m_window;
    Dialogs &m_dialogs;
    ExamState m_state;
    const float m_seed;
    const QDate m_today;
    bool m_activated = false;
    bool m_inFlight = false;
    bool m_closed = false;
    bool m_closeAfterFlight = false; // time ran out while an answer was in flight
};
