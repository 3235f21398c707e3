// The exam program's start as the program does it, the claim on the display included, reporting
// its first frame; with BENCH_STATE set, with that state folder, as a configured terminal starts.

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
    const auto session = ExamSession::open({}, qEnvironmentVariable("BENCH_STATE"), nullptr);
    new FirstFrame(&session->window());
    session->show();
    return QApplication::exec();
}
