// The exam program's start as the program does it, the claim on the display included, reporting
// its first frame.

#include "FirstFrame.h"
#include "app/Application.h"
#include "app/DisplayClaim.h"
#include "app/ExamSession.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const auto app = openApplication(argc, argv);
    DisplayClaim display;
    if (!display.claim())
        return 1;
    ExamSession session;
    new FirstFrame(&session.window());
    session.start();
    return QApplication::exec();
}
