// The exam program's start through the same session as the program, reporting its first frame.

#include "FirstFrame.h"
#include "app/Application.h"
#include "app/ExamSession.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const auto app = openApplication(argc, argv);
    ExamSession session;
    new FirstFrame(&session.window());
    session.start();
    return QApplication::exec();
}
