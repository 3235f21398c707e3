// An exam terminal without its window, for the central store's test: the program's own journal
// and sender record a sitting of ANSWERS confirmed answers, PAUSE_MS apart, resuming the
// folder's sitting if it holds an unfinished one, close it and wait until everything is sent.
// Prints the longest a hand-over to the sender took, in microseconds; exits 1 if not all was
// sent within a minute and a half.
//
//   sim_terminal FOLDER HOST PORT DATABASE USER PASSWORD ANSWERS PAUSE_MS

#include "store/CentralStore.h"
#include "store/RecoveredSitting.h"
#include "store/SittingJournal.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>
#include <QUuid>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() != 9)
        return 2;
    const QString folder = a[1];
    CentralStore central({ a[2], a[3].toInt(), a[4], a[5], a[6] }, folder);
    qint64 longest = 0;
    SittingJournal journal(folder, [&] {
        QElapsedTimer t;
        t.start();
        central.journalGrew();
        longest = std::max(longest, t.nsecsElapsed());
    });

    const int answers = a[7].toInt();
    int next = 1, left = 3600;
    if (const auto r = RecoveredSitting::latest(folder); r && !r->finished) {
        journal.resume(*r);
        next = static_cast<int>(r->answers.size()) + 1;
        left = r->secondsLeft;
    } else {
        journal.begin(QUuid::createUuid().toString(QUuid::WithoutBraces),
            { { QStringLiteral("candidate"), QFileInfo(folder).fileName() },
                { QStringLiteral("desk"), QStringLiteral("7") } },
            left);
    }
    for (; next <= answers; ++next, --left) {
        journal.opened(next, left);
        journal.answered(next, QString(QLatin1Char("ABCDE"[next % 5])), left);
        if (next % 4 == 0)
            journal.clock(left);
        QThread::msleep(a[8].toULong());
    }
    journal.closed(QStringLiteral("leave"),
        { { QStringLiteral("earned"), answers }, { QStringLiteral("maximum"), 2 * answers },
            { QStringLiteral("percentage"), QStringLiteral("50%") } },
        left);
    const bool sent = central.waitUntilSent(90000);
    std::printf("%lld\n", longest / 1000);
    return sent ? 0 : 1;
}
