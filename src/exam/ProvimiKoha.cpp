// The countdown: one tick a second from the first question opened.

#include "Provimi.h"

#include "ExamState.h"
#include "FormProvimi.h"
#include "Ora.h"
#include "TextLabel.h"

#include <QTimer>

void Provimi::Timer1_Timer()
{
    if (m_mbyllur)
        return;
    const HapiIOres hapi = hapiIOres(m_f.LblMin->caption(), m_f.LblSek->caption());
    if (hapi.kohaMbaroi) {
        s.ProvimiPerfundoi = Po;
        m_f.Timer1->stop();
        PerfundoProvimin();
        return;
    }
    m_f.LblMin->setCaption(hapi.minutat);
    m_f.LblSek->setCaption(hapi.sekondat);
}
