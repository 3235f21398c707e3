// The countdown: one tick a second from the first question opened.

#include "exam/handlers/Exam.h"

#include "exam/ClockStep.h"
#include "exam/Descriptions.h"
#include "exam/ExamState.h"
#include "exam/NumberText.h"
#include "screen/FormProvimi.h"
#include "screen/TextLabel.h"

#include <QTimer>

void Exam::Timer1_Timer()
{
    if (m_state.phase == Phase::Closed)
        return;
    const ClockStep step = clockStep(m_window.LblMin->caption(), m_window.LblSek->caption());
    if (step.timeUp) {
        m_window.Timer1->stop();
        m_ending = Ending::TimeUp;
        PerfundoProvimin();
        return;
    }
    m_window.LblMin->setCaption(step.minutes);
    m_window.LblSek->setCaption(step.seconds);
    // Ten minutes and one minute before the end, a screen reader says so unasked.
    if (step.seconds == QLatin1String("00")
        && (step.minutes == QLatin1String("10:") || step.minutes == QLatin1String("1:")))
        sayTimeLeft();
    emit clockTicked(secondsLeft());
}

int Exam::secondsLeft() const
{
    return static_cast<int>(NumberText::numericValue(m_window.LblMin->caption()) * 60
        + NumberText::numericValue(m_window.LblSek->caption()));
}
