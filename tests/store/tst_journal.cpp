// The journal of a sitting read back for a resumption: a record torn at any byte is never read
// and the journal goes on after it; a corrupt line is skipped; which sitting resumes and which
// does not; the result file is written once and whole.

#include "store/RecoveredSitting.h"
#include "store/ResultFile.h"
#include "store/SittingJournal.h"
#include "support/Banks.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestJournal final : public QObject
{
    Q_OBJECT

private slots:
    void tornLastRecord();
    void whichSittingResumes();
    void resultFile();
};

namespace {
using Answers = QMap<int, QString>;

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

RecoveredSitting recovered(const QString &path)
{
    return RecoveredSitting::from(path, Journal::read(path));
}
} // namespace

void TestJournal::tornLastRecord()
{
    QTemporaryDir dir;
    SittingJournal j(dir.path());
    j.begin(u"s1"_s, { { u"candidate"_s, u"Era Hoxha"_s } }, 3600);
    j.opened(3, 3590);
    j.answered(3, u"B"_s, 3580);
    j.opened(7, 3570);
    const QString path = SittingJournal::journalPath(dir.path(), u"s1"_s);
    const qsizetype before = contents(path).size();
    j.answered(7, u"C"_s, 3560);
    const QByteArray whole = contents(path);
    QVERIFY(!j.failed() && whole.endsWith('\n'));

    // Cut anywhere in the last record, down to its line end: the answer before it is read, not
    // its own; the journal goes on after the cut, and what it writes next is read.
    for (qsizetype cut = before; cut <= whole.size(); ++cut) {
        Banks::writeFile({}, path, whole.left(cut));
        const bool complete = cut == whole.size();
        const qsizetype records = Journal::read(path).size();
        const RecoveredSitting r = recovered(path);
        const Answers expected
            = complete ? Answers { { 3, u"B"_s }, { 7, u"C"_s } } : Answers { { 3, u"B"_s } };
        QCOMPARE(r.answers, expected);
        QCOMPARE(r.secondsLeft, complete ? 3560 : 3570);
        QCOMPARE(r.opened, QList<int>({ 3, 7 }));

        SittingJournal goOn(dir.path());
        goOn.resume(r);
        goOn.answered(9, u"D"_s, 3550);
        const RecoveredSitting after = recovered(path);
        QVERIFY2(after.answers.value(9) == u"D"_s && after.answers.contains(7) == complete,
            qPrintable(QString::number(cut)));
        // The resumption and the answer, both whole, numbered on from the last whole record.
        QCOMPARE(Journal::read(path).size(), records + 2);
        QCOMPARE(after.lastSequence, r.lastSequence + 2);
    }

    // A line whose bytes changed is skipped, the others are read.
    QByteArray corrupt = whole;
    corrupt[corrupt.indexOf("\"B\"") + 1] = 'E';
    Banks::writeFile({}, path, corrupt);
    QCOMPARE(recovered(path).answers, Answers({ { 7, u"C"_s } }));
}

void TestJournal::whichSittingResumes()
{
    // The journal written last is the one considered; a finished sitting, another candidate or
    // another bank is not resumed.
    QTemporaryDir dir;
    QVERIFY(!RecoveredSitting::latest(dir.path()));
    const QJsonObject identity { { u"candidate"_s, u"Era Hoxha"_s },
        { u"bankChecksum"_s, u"ab12"_s } };
    SittingJournal older(dir.path()), newer(dir.path());
    older.begin(u"older"_s, identity, 3600);
    older.answered(1, u"A"_s, 3000);
    newer.begin(u"newer"_s, identity, 3600);
    newer.opened(4, 2000);
    QFile(SittingJournal::journalPath(dir.path(), u"older"_s))
        .setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);

    auto r = RecoveredSitting::latest(dir.path());
    QVERIFY(r);
    QCOMPARE(r->sitting(), u"newer"_s);
    QCOMPARE(r->secondsLeft, 2000);
    QCOMPARE(r->opened, QList<int> { 4 });
    using R = RecoveredSitting::Refusal;
    QCOMPARE(r->refusal(u"Era Hoxha"_s, u"ab12"_s), R::None);
    QCOMPARE(r->refusal(u"Ben Krasniqi"_s, u"ab12"_s), R::OtherCandidate);
    QCOMPARE(r->refusal(u"Era Hoxha"_s, u"cd34"_s), R::OtherBank);
    newer.closed(u"leave"_s, {}, 1990);
    QCOMPARE(RecoveredSitting::latest(dir.path())->refusal(u"Era Hoxha"_s, u"ab12"_s), R::Finished);
}

void TestJournal::resultFile()
{
    QTemporaryDir dir;
    const QString path = ResultFile::path(dir.path(), u"s1"_s);
    const QJsonObject record { { u"percentage"_s, u"66.66%"_s } };
    QCOMPARE(ResultFile::write(path, record), QString());
    QCOMPARE(QJsonDocument::fromJson(contents(path)).object(), record);
    // Never written over, and nothing beside it.
    QVERIFY(!ResultFile::write(path, { { u"percentage"_s, u"0%"_s } }).isEmpty());
    QCOMPARE(QJsonDocument::fromJson(contents(path)).object(), record);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { u"s1.result.json"_s });
    // Where it cannot be written, it says why and leaves nothing.
    const QString nowhere = ResultFile::path(dir.filePath(u"missing"_s), u"s2"_s);
    QVERIFY(!ResultFile::write(nowhere, record).isEmpty());
    QVERIFY(!QFile::exists(nowhere));
}

QTEST_GUILESS_MAIN(TestJournal)

#include "tst_journal.moc"
