#pragma once

#include "exam/handlers/Exam.h"
#include "screen/Dialogs.h"
#include "screen/FormProvimi.h"

#include <memory>

class QApplication;

// The real program's sitting: the exam window, the real message boxes, and the exam with its
// paper drawn from the time of day and today's date. The program and the start-up benchmark
// both start the exam through here, so the benchmark measures the real start.
class ExamSession final
{
    Q_DISABLE_COPY_MOVE(ExamSession)

public:
    // The program's application object, always laid out left to right. Where there is no
    // display to open the window on, says so in one plain line and ends the program with
    // status 1.
    static std::unique_ptr<QApplication> openApplication(int &argc, char **argv);

    ExamSession();

    FormProvimi &window() { return m_window; }
    Exam &exam() { return m_exam; }

    // Start-up, then the window covering the screen.
    void start();

private:
    FormProvimi m_window;
    RealDialogs m_dialogs;
    Exam m_exam;
};
