#include "app/ExamSession.h"

#include "exam/PaperDraw.h"

ExamSession::ExamSession(const KioskEnvironment &kiosk, SittingSetup setup)
    : m_window(kiosk.zoom)
    , m_exam(m_window, m_dialogs, secondsSinceMidnight(), QDate::currentDate())
{
    m_window.setCentred(kiosk.centred);
    if (kiosk.dateLocale)
        m_exam.setDateLocale(*kiosk.dateLocale);
    m_exam.setSitting(std::move(setup));
}

QStringList ExamSession::load()
{
    m_exam.Form_Load();
    return m_exam.textsThatDoNotFit();
}
