#include "app/ExamSession.h"

#include "exam/PaperDraw.h"

ExamSession::ExamSession()
    : m_exam(m_window, m_dialogs, secondsSinceMidnight(), QDate::currentDate())
{ }

void ExamSession::start()
{
    m_exam.Form_Load();
    m_window.showCoveringScreen();
}
