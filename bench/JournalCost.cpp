// What the journal costs a confirmation on this machine's disk: the write of the answer's record
// and its flush to the disk, measured apart, over the 50 answers of a sitting and more, in a
// folder beside the benchmark (the disk an exam terminal's state folder would be on). Given a
// folder, it writes there instead the journal of a whole sitting, as a terminal's state folder
// holds it after one, for the start-up benchmark.

#include "store/Journal.h"
#include "store/SittingJournal.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[static_cast<size_t>(p * static_cast<double>(v.size() - 1))];
}

// Fifty answers, the clock every 5 s of the hour and the closing with a result of the real
// one's shape.
void writeSitting(const QString &folder)
{
    QJsonArray paper, answers;
    for (int k = 1; k <= 50; ++k) {
        paper << k;
        answers << QJsonObject { { QStringLiteral("position"), k },
            { QStringLiteral("question"), k }, { QStringLiteral("given"), QStringLiteral("B") },
            { QStringLiteral("correct"), QStringLiteral("C") }, { QStringLiteral("points"), 2 },
            { QStringLiteral("earned"), 0 } };
    }
    SittingJournal journal(folder);
    journal.begin(QStringLiteral("bench"),
        { { QStringLiteral("candidate"), QStringLiteral("Emri Mbiemri") },
            { QStringLiteral("bankChecksum"), QString(64, u'0') },
            { QStringLiteral("paper"), paper } },
        3600);
    for (int left = 3600; left > 0; left -= 5) {
        if (left % 70 == 0) {
            journal.opened(left / 70, left);
            journal.answered(left / 70, QStringLiteral("B"), left);
        }
        journal.clock(left);
    }
    journal.closed(QStringLiteral("time"), { { QStringLiteral("answers"), answers } }, 0);
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc > 1) {
        writeSitting(QString::fromLocal8Bit(argv[1]));
        return 0;
    }
    QTemporaryDir dir(QCoreApplication::applicationDirPath() + QStringLiteral("/journal-XXXXXX"));
    Journal journal;
    if (!journal.open(dir.filePath(QStringLiteral("bench.journal"))))
        return 1;
    std::vector<double> write, sync, both;
    for (int n = 1; n <= 200; ++n) {
        // The shape and size of an answer's record.
        const QJsonObject record { { QStringLiteral("seq"), n },
            { QStringLiteral("kind"), QStringLiteral("answer") },
            { QStringLiteral("at"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs) },
            { QStringLiteral("left"), 3600 - n }, { QStringLiteral("position"), 1 + n % 50 },
            { QStringLiteral("letter"), QStringLiteral("C") } };
        QElapsedTimer t;
        t.start();
        if (!journal.write(record))
            return 1;
        const double w = t.nsecsElapsed() / 1e6;
        if (!journal.sync())
            return 1;
        const double total = t.nsecsElapsed() / 1e6;
        write.push_back(w);
        sync.push_back(total - w);
        both.push_back(total);
    }
    std::printf("journal, one confirmation: write %.3f ms, flush to disk %.3f ms, together "
                "%.3f ms (medians of %zu; 95th percentile together %.3f ms, most %.3f ms)\n",
        percentile(write, 0.5), percentile(sync, 0.5), percentile(both, 0.5), both.size(),
        percentile(both, 0.95), percentile(both, 1));
    return 0;
}
