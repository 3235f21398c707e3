// The exam program's start through the same session as the program, reporting its first frame.

#include "FirstFrame.h"
#include "exam/handlers/ExamSession.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const auto app = ExamSession::openApplication(argc, argv);
    ExamSession session;
    new FirstFrame(&session.window());
    session.start();
    return QApplication::exec();
}
