#include "app/ExamSession.h"

#include "exam/PaperDraw.h"

ExamSession::ExamSession(const KioskEnvironment &kiosk)
    : m_window(kiosk.zoom)
    , m_exam(m_window, m_dialogs, secondsSinceMidnight(), QDate::currentDate())
{
    m_window.setCentred(kiosk.centred);
    if (kiosk.dateLocale)
        m_exam.setDateLocale(*kiosk.dateLocale);
}

void ExamSession::start()
{
    m_exam.Form_Load();
    m_window.showCoveringScreen();
}
