#include "app/Application.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

// What the toolkit says while it opens the window system is held back: printed as usual once
// it is open, and replaced by one plain line when there is no display to open (instead of
// Qt's advice to reinstall and an abort). A message handler is a plain function, so what it
// holds back lives here.
QStringList &heldBack()
{
    static QStringList messages;
    return messages;
}

void whileOpening(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        const QByteArray display = qgetenv("DISPLAY");
        std::fprintf(stderr,
            "provimi: nuk ka ekran ku të hapet dritarja e provimit (DISPLAY: %s).\n",
            display.isEmpty() ? "i pacaktuar" : display.constData());
        std::_Exit(1);
    }
    heldBack() << qFormatLogMessage(type, context, message);
}

} // namespace

std::unique_ptr<QApplication> openApplication(int &argc, char **argv)
{
    qInstallMessageHandler(whileOpening);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(nullptr);
    for (const QString &m : std::exchange(heldBack(), {}))
        std::fprintf(stderr, "%s\n", qPrintable(m));
    QApplication::setApplicationName(QStringLiteral("provimi"));
    // Everything reads left to right, whatever the locale or a -reverse on the command line:
    // painters take the application's direction, not their widget's.
    QApplication::setLayoutDirection(Qt::LeftToRight);
    return app;
}
