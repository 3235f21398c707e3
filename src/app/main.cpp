#include "app/Application.h"
#include "app/DisplayClaim.h"
#include "app/ExamSession.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const auto app = openApplication(argc, argv);

    // One exam per display: a second start brings the running one to the front and ends.
    DisplayClaim display;
    if (!display.claim())
        return 0;

    ExamSession session;
    QObject::connect(&session.exam(), &Exam::finished, app.get(), &QCoreApplication::exit);
    QObject::connect(
        &display, &DisplayClaim::frontRequested, &session.window(), &FormProvimi::bringToFront);
    session.start();
    return QApplication::exec();
}
