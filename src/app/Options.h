#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The program's command line. Per sitting, a roster or a display manager names the bank, the
// candidate, the photo and the desk; the configuration file holds the rest. Its help and its
// complaints are in Albanian, like everything the program prints.
struct Options
{
    QString config; // empty: the default configuration file
    QString bank;
    QString candidate;
    QString photo;
    QString desk;
    QString state; // the state folder, over the configuration's
    // Problems that stop the exam are also shown on the screen until a key is pressed.
    bool showProblems = false;

    // Whether the arguments ask for the help text, which needs no display.
    static bool asksForHelp(int argc, char **argv);
    // The help text; needs a QCoreApplication.
    static QString helpText();
    // Reads the arguments of the running application (its own options taken out); the reason
    // when they cannot be read.
    std::optional<QString> parse(const QStringList &arguments);
};
