#include "app/Application.h"
#include "app/Configuration.h"
#include "app/DisplayClaim.h"
#include "app/ExamSession.h"
#include "app/Options.h"
#include "app/ProblemScreen.h"
#include "store/CentralStore.h"

#include <QApplication>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

// The exam does not start: every problem on standard error, and in the exam session on the
// screen until the invigilator has read it.
int refuse(const QStringList &problems, bool onScreen)
{
    for (const QString &p : problems)
        std::fprintf(stderr, "%s\n", qPrintable(p));
    if (onScreen) {
        ProblemScreen screen(problems);
        screen.cover();
        QApplication::exec();
    }
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (Options::asksForHelp(argc, argv)) {
        const QCoreApplication app(argc, argv);
        std::printf("%s", qPrintable(Options::helpText()));
        return 0;
    }
    const auto app = openApplication(argc, argv);
    Options options;
    if (const auto wrong = options.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "provimi: %s\n", qPrintable(*wrong));
        return 2;
    }

    // One exam per display: a second start brings the running one to the front and ends.
    DisplayClaim display;
    if (!display.claim())
        return 0;

    Configuration configuration = Configuration::read(options);
    SittingSetup setup = configuration.load();
    if (!configuration.problems.isEmpty())
        return refuse(configuration.problems, options.showProblems);
    // Nothing configured: no state folder, nothing read or written.
    const QString &folder = configuration.stateFolder;
    std::unique_ptr<CentralStore> central;
    if (!configuration.central.host.isEmpty())
        central = std::make_unique<CentralStore>(configuration.central, folder);
    const auto session = ExamSession::open(setup, folder, central.get());
    if (const QStringList problems = session->exam().textsThatDoNotFit(); !problems.isEmpty())
        return refuse(problems, options.showProblems);

    QObject::connect(&session->exam(), &Exam::finished, app.get(), &QCoreApplication::exit);
    QObject::connect(
        &display, &DisplayClaim::frontRequested, &session->window(), &FormProvimi::bringToFront);
    session->show();
    const int status = QApplication::exec();
    // The closing goes to the central store now if it can; else at the next start.
    if (central)
        central->waitUntilSent(1000);
    return status;
}
