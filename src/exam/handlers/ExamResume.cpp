// A sitting that goes on after a restart.

#include "exam/handlers/Exam.h"

#include "exam/ExamState.h"
#include "exam/Texts.h"
#include "screen/FlatButton.h"
#include "screen/FormProvimi.h"
#include "screen/TextLabel.h"

#include <QTimer>

void Exam::resume(
    const QList<int> &opened, const QList<std::pair<int, QString>> &answers, int secondsLeft)
{
    // The screen stands as between two questions: no question open, the answer area blank.
    for (int k : opened)
        m_window.CmdZgjidhPyetjen(k)->setTag(Texts::ReadTag);
    for (const auto &[k, letter] : answers) {
        m_window.CmdZgjidhPyetjen(k)->setTag(Texts::ReadTag);
        m_window.CmdZgjidhPyetjen(k)->setText(letter);
    }
    colourQuestionButtons();
    const int left = std::max(secondsLeft, 0);
    m_window.LblMin->setCaption(QString::number(left / 60) + QLatin1Char(':'));
    m_window.LblSek->setCaption(QString::number(left % 60).rightJustified(2, QLatin1Char('0')));
    m_window.LblNjoftim->setForeColor(Qt::white);
    m_window.LblNjoftim->hide();
    m_window.LblZgjidhniPyTj->show();
    m_state.phase = Phase::Running;
    describeQuestionButtons();
    if (left == 0) {
        m_ending = Ending::ResumedPastTime;
        PerfundoProvimin();
        return;
    }
    m_window.Timer1->start();
}
