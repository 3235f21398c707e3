// The countdown: one tick a second from the first question opened.

#include "exam/handlers/Exam.h"

#include "exam/ClockStep.h"
#include "exam/ExamState.h"
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
        PerfundoProvimin();
        return;
    }
    m_window.LblMin->setCaption(step.minutes);
    m_window.LblSek->setCaption(step.seconds);
}
