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
    if (m_state.phase == Phase::AnswerInFlight || m_state.phase == Phase::ClosingAfterFlight)
        return;
    if (m_state.GermaEZgjedhur == QLatin1String("0")) {
        askToEnd();
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

void Exam::askToEnd()
{
    const auto answer = m_dialogs.ask(&m_window, Texts::CautionTitle, Texts::EndQuestion,
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes)
        return;
    m_ending = Ending::Leave;
    PerfundoProvimin(); // does nothing when time ran out while the box was open
}

void Exam::fly(int j, int k)
{
    m_state.phase = Phase::AnswerInFlight;
    BllokoButonat();
    QCoreApplication::processEvents();

    FlatButton *a = m_window.CmdAlternativa(j);
    const FlatButton *question = m_window.CmdZgjidhPyetjen(k);
    const QRect from = a->designGeometry(), to = question->designGeometry();
    const double L0 = from.x(), T0 = from.y(), W0 = from.width(), H0 = from.height(),
                 F0 = a->fontSize();
    const double L1 = to.x(), T1 = to.y(), W1 = to.width(), H1 = to.height();
    const double F1 = ArrivalFontPoints;
    const double N = FlightDivisions;
    const double dL = (L1 - L0) / N, dT = (T1 - T0) / N, dW = (W1 - W0) / N, dH = (H1 - H0) / N,
                 dF = (F1 - F0) / N;
    a->raise();
    for (int step = 1; step < FlightDivisions; ++step) {
        // When time runs out in flight the answer was still given in time: it lands at once.
        if (m_state.phase == Phase::ClosingAfterFlight)
            break;
        const float l = static_cast<float>(L0 + dL * step);
        const float t = static_cast<float>(T0 + dT * step);
        const float w = static_cast<float>(W0 + dW * step);
        const float h = static_cast<float>(H0 + dH * step);
        const float f = static_cast<float>(F0 + dF * step);
        a->setDesignGeometry({ toPixel(l), toPixel(t), toPixel(w), toPixel(h) });
        a->setFontSize(f);
        emit flightStep(step);
        QCoreApplication::processEvents();
    }
    landAnswer(j, k);
}

void Exam::landAnswer(int j, int k)
{
    FlatButton *a = m_window.CmdAlternativa(j);
    FlatButton *question = m_window.CmdZgjidhPyetjen(k);
    const QString letter = m_window.LblGermaEAlt(j)->caption().left(1);
    emit answerConfirmed(k, letter, secondsLeft());
    question->setText(letter);
    m_window.ImgPyetjaX->hide();
    a->hide();
    RivendosPozicionetAlt();
    a->show();
    m_window.LblZgjidhniPyTj->show();
    m_window.LblNjoftim->hide();
    m_window.PicPyG(31)->hide();
    m_window.PicPyG(32)->hide();
    for (int i = 1; i <= AlternativeCount; ++i) {
        m_window.CmdAlternativa(i)->setCaption(QString());
        m_window.CmdAlternativa(i)->setPictureData({});
    }
    m_state.PyetjaEHapur = 0;
    m_window.setNextTabStop(nullptr, nullptr);
    ZhbllokoButonat();
    describeQuestionButton(k);
    describeAnswerButtons();
    // The keyboard goes on from the question just answered.
    question->setFocus(Qt::OtherFocusReason);

    const bool timeRanOut = m_state.phase == Phase::ClosingAfterFlight;
    m_state.phase = Phase::Running;
    if (timeRanOut)
        PerfundoProvimin();
}

void Exam::BllokoButonat()
{
    for (int k = 1; k <= QuestionCount; ++k)
        m_window.CmdZgjidhPyetjen(k)->setEnabled(false);
    for (int j = 1; j <= AlternativeCount; ++j)
        m_window.CmdAlternativa(j)->setEnabled(false);
}

void Exam::ZhbllokoButonat()
{
    for (int k = 1; k <= QuestionCount; ++k)
        m_window.CmdZgjidhPyetjen(k)->setEnabled(true);
    for (int j = 1; j <= AlternativeCount; ++j)
        m_window.CmdAlternativa(j)->setEnabled(true);
}

void Exam::RivendosPozicionetAlt()
{
    for (int j = 1; j <= AlternativeCount; ++j)
        m_window.CmdAlternativa(j)->setDesignGeometry(
            { toPixel(m_state.AltLeft(j)), toPixel(m_state.AltTop(j)), toPixel(m_state.AltWidth(j)),
                toPixel(m_state.AltHeight(j)) });
}
