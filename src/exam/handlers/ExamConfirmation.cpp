// Confirming the marked alternative: the end request, the warnings, and the flight of the
// chosen answer onto its question button.

#include "exam/handlers/Exam.h"

#include "base/Units.h"
#include "exam/ExamState.h"
#include "exam/Texts.h"
#include "screen/Dialogs.h"
#include "screen/FlatButton.h"
#include "screen/FormProvimi.h"
#include "screen/PictureBox.h"
#include "screen/TextLabel.h"

#include <QCoreApplication>

using Units::toPixel;

void Exam::CmdKonfirmoj_Click()
{
    // A press during the flight would start a second flight inside the first.
    if (m_inFlight)
        return;

    if (m_state.GermaEZgjedhur == QLatin1String("0")) {
        const auto answer = m_dialogs.ask(&m_window, Texts::CautionTitle, Texts::EndQuestion,
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer == QMessageBox::Yes) {
            m_state.ProvimiPerfundoi = FlagYes;
            PerfundoProvimin(); // does nothing when time ran out while the box was open
        }
        return;
    }
    if (m_state.PyetjaEHapur == 0)
        return;
    if (m_window.CmdZgjidhPyetjen(m_state.PyetjaEHapur)->isHidden())
        return;
    if (m_state.GermaEZgjedhur.isEmpty()) {
        m_dialogs.ask(&m_window, m_window.LblEmriMbiemri->caption(), Texts::GiveYourAnswer,
            QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    fly(m_state.AlternativaEZgjedhur, m_state.PyetjaEHapur);
}

void Exam::fly(int k, int i)
{
    m_inFlight = true;
    BllokoButonat();
    QCoreApplication::processEvents();

    FlatButton *a = m_window.CmdAlternativa(k);
    FlatButton *question = m_window.CmdZgjidhPyetjen(i);
    const double L0 = a->x(), T0 = a->y(), W0 = a->width(), H0 = a->height(), F0 = a->fontSize();
    const double L1 = question->x(), T1 = question->y(), W1 = question->width(),
                 H1 = question->height();
    const double F1 = ArrivalFontPoints;
    const double N = FlightDivisions;
    const double dL = (L1 - L0) / N, dT = (T1 - T0) / N, dW = (W1 - W0) / N, dH = (H1 - H0) / N,
                 dF = (F1 - F0) / N;
    a->raise();
    for (int step = 1; step < FlightDivisions; ++step) {
        // When time runs out in flight the answer was still given in time: it lands at once.
        if (m_closeAfterFlight)
            break;
        const float l = static_cast<float>(L0 + dL * step);
        const float t = static_cast<float>(T0 + dT * step);
        const float w = static_cast<float>(W0 + dW * step);
        const float h = static_cast<float>(H0 + dH * step);
        const float f = static_cast<float>(F0 + dF * step);
        a->setGeometry(toPixel(l), toPixel(t), toPixel(w), toPixel(h));
        a->setFontSize(f);
        emit flightStep(step);
        QCoreApplication::processEvents();
    }

    question->setText(m_window.LblGermaEAlt(k)->caption().left(1));
    m_window.ImgPyetjaX->hide();
    a->hide();
    RivendosPozicionetAlt();
    a->show();
    m_window.LblZgjidhniPyTj->show();
    m_window.LblNjoftim->hide();
    m_window.PicPyG(31)->hide();
    m_window.PicPyG(32)->hide();
    for (int j = 1; j <= AlternativeCount; ++j)
        m_window.CmdAlternativa(j)->setText(QString());
    m_state.PyetjaEHapur = 0;
    ZhbllokoButonat();
    m_inFlight = false;
    describeQuestionButtons();
    describeAnswerButtons();
    // The keyboard goes on from the question just answered.
    question->setFocus(Qt::OtherFocusReason);

    if (m_closeAfterFlight) {
        m_closeAfterFlight = false;
        PerfundoProvimin();
    }
}

void Exam::BllokoButonat()
{
    for (int b = 1; b <= QuestionCount; ++b)
        m_window.CmdZgjidhPyetjen(b)->setEnabled(false);
    for (int j = 1; j <= AlternativeCount; ++j)
        m_window.CmdAlternativa(j)->setEnabled(false);
}

void Exam::ZhbllokoButonat()
{
    for (int b = 1; b <= QuestionCount; ++b)
        m_window.CmdZgjidhPyetjen(b)->setEnabled(true);
    for (int j = 1; j <= AlternativeCount; ++j)
        m_window.CmdAlternativa(j)->setEnabled(true);
}

void Exam::RivendosPozicionetAlt()
{
    for (int j = 1; j <= AlternativeCount; ++j)
        m_window.CmdAlternativa(j)->setGeometry(toPixel(m_state.AltLeft(j)),
            toPixel(m_state.AltTop(j)), toPixel(m_state.AltWidth(j)),
            toPixel(m_state.AltHeight(j)));
}
