// The central store against a real PostgreSQL: 200 terminals (the program's journal and sender,
// without the window) record sittings at once while the server stops and starts twice and some
// terminals are killed and started again; then the server holds each journal record exactly
// once and each result, no hand-over to the sender took 50 ms, and the terminals' account can
// only insert.

#include "store/Journal.h"

#include <QDir>
#include <QJsonDocument>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString TerminalPassword = u"terminali"_s;

QString binaries()
{
    for (const QString &v : QDir(u"/usr/lib/postgresql"_s).entryList(QDir::Dirs, QDir::Reversed))
        if (QFile::exists(u"/usr/lib/postgresql/%1/bin/initdb"_s.arg(v)))
            return u"/usr/lib/postgresql/%1/bin/"_s.arg(v);
    return {};
}

// Debian's PostgreSQL in a temporary folder on a free port, its owner let in through its
// socket there, everyone else by password over TCP. It refuses to run as root, so a suite run
// as root runs it as nobody.
struct Postgres
{
    QTemporaryDir dir;
    QStringList as;
    int port = 0;

    QString run(const QString &tool, const QStringList &args) const
    {
        QProcess p;
        p.start(as.isEmpty() ? binaries() + tool : u"setpriv"_s,
            (as.isEmpty() ? QStringList() : as + QStringList { binaries() + tool }) + args);
        return p.waitForFinished(60000) && p.exitCode() == 0
            ? QString()
            : tool + u": "_s + QString::fromLocal8Bit(p.readAllStandardError());
    }
    QString start()
    {
        return run(u"pg_ctl"_s,
            { u"-D"_s, dir.filePath(u"data"_s), u"-l"_s, dir.filePath(u"log"_s), u"-w"_s, u"-o"_s,
                u"-p %1 -k %2 -c listen_addresses=127.0.0.1 -c max_connections=300 -c fsync=off"_s
                    .arg(port)
                    .arg(dir.path()),
                u"start"_s });
    }
    QString stop()
    {
        return run(u"pg_ctl"_s, { u"-D"_s, dir.filePath(u"data"_s), u"-w"_s, u"stop"_s });
    }
    QString init()
    {
        if (const passwd *nobody = getpwnam("nobody"); geteuid() == 0 && nobody) {
            if (chown(qPrintable(dir.path()), nobody->pw_uid, nobody->pw_gid) != 0)
                return u"cannot give nobody the folder"_s;
            as = { u"--reuid=%1"_s.arg(nobody->pw_uid), u"--regid=%1"_s.arg(nobody->pw_gid),
                u"--clear-groups"_s };
        }
        QString error = run(u"initdb"_s,
            { u"-D"_s, dir.filePath(u"data"_s), u"-U"_s, u"owner"_s, u"--auth-local=trust"_s,
                u"--auth-host=scram-sha-256"_s });
        for (int attempt = 0; error.isEmpty() && !port; ++attempt) {
            port = 20000 + QRandomGenerator::global()->bounded(30000);
            if (!(error = start()).isEmpty() && attempt < 20)
                port = 0, error.clear(); // taken: another
        }
        return error;
    }
    ~Postgres()
    {
        if (port)
            stop();
    }
    // psql as the owner, or as the terminals' account: its output; *error when it failed.
    QString psql(const QString &sql, QString *error, bool asTerminal = false) const
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"PGPASSWORD"_s, TerminalPassword);
        p.setProcessEnvironment(env);
        p.start(u"psql"_s,
            { u"-X"_s, u"-At"_s, u"-F"_s, u"\t"_s, u"-v"_s, u"ON_ERROR_STOP=1"_s, u"-p"_s,
                QString::number(port), u"-h"_s, asTerminal ? u"127.0.0.1"_s : dir.path(), u"-U"_s,
                asTerminal ? u"provimi_terminal"_s : u"owner"_s, u"-d"_s,
                sql.startsWith(u"CREATE DATABASE"_s) ? u"postgres"_s : u"provimi"_s, u"-c"_s,
                sql });
        p.waitForFinished(60000);
        *error = p.exitCode() == 0 ? QString() : QString::fromLocal8Bit(p.readAllStandardError());
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }
};

} // namespace

class TestCentral final : public QObject
{
    Q_OBJECT

private slots:
    void terminalsThroughOutages();
};

void TestCentral::terminalsThroughOutages()
{
    Postgres pg;
    QString error = pg.init();
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QFile schema(QStringLiteral(PROVIMI_SCHEMA));
    QVERIFY(schema.open(QIODevice::ReadOnly));
    for (const QString &sql : { u"CREATE DATABASE provimi"_s, QString::fromUtf8(schema.readAll()),
             u"ALTER ROLE provimi_terminal PASSWORD '%1'"_s.arg(TerminalPassword) }) {
        pg.psql(sql, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

    // 200 terminals, each its own state folder; 25 answers 200 ms apart take each about 5 s.
    constexpr int Terminals = 200;
    QTemporaryDir states;
    std::vector<std::unique_ptr<QProcess>> terminals(Terminals);
    auto launch = [&](int i) {
        auto &p = terminals[static_cast<size_t>(i)];
        p = std::make_unique<QProcess>();
        p->start(QStringLiteral(PROVIMI_SIM_TERMINAL),
            { states.filePath(QString::number(i)), u"127.0.0.1"_s, QString::number(pg.port),
                u"provimi"_s, u"provimi_terminal"_s, TerminalPassword, u"25"_s, u"200"_s });
    };
    for (int i = 0; i < Terminals; ++i)
        launch(i);
    // Two outages while they run; in each, every tenth terminal is killed and started again.
    for (int outage = 0; outage < 2; ++outage) {
        QTest::qWait(2500);
        QCOMPARE(pg.stop(), QString());
        for (int i = outage * 5; i < Terminals; i += 10) {
            QTest::qWait(QRandomGenerator::global()->bounded(100));
            terminals[static_cast<size_t>(i)]->kill();
            terminals[static_cast<size_t>(i)]->waitForFinished();
            launch(i);
        }
        QTest::qWait(2000);
        QCOMPARE(pg.start(), QString());
    }
    qint64 longestUs = 0;
    for (int i = 0; i < Terminals; ++i) {
        QProcess &p = *terminals[static_cast<size_t>(i)];
        p.waitForFinished(120000);
        QVERIFY2(p.state() == QProcess::NotRunning && p.exitStatus() == QProcess::NormalExit
                && p.exitCode() == 0,
            qPrintable(u"terminal %1: %2 %3\n"_s.arg(i)
                           .arg(p.exitStatus() == QProcess::CrashExit ? u"crashed"_s : u"ended"_s)
                           .arg(p.exitCode())
                + QString::fromLocal8Bit(p.readAllStandardError())));
        longestUs = std::max(longestUs, p.readAllStandardOutput().trimmed().toLongLong());
    }
    QVERIFY2(longestUs < 50000, qPrintable(QString::number(longestUs)));

    // Every record of every journal is on the server once, as the journal holds it, and
    // nothing else; each closed sitting's result is there.
    QHash<QString, QJsonDocument> journaled;
    int closings = 0;
    for (int i = 0; i < Terminals; ++i) {
        const QDir folder(states.filePath(QString::number(i)));
        for (const QString &j : folder.entryList({ u"*.journal"_s }))
            for (const QJsonObject &r : Journal::read(folder.filePath(j))) {
                journaled.insert(QFileInfo(j).completeBaseName() + u'/'
                        + QString::number(r.value(u"seq"_s).toInteger()),
                    QJsonDocument(r));
                closings += r.value(u"kind"_s) == u"closing"_s;
            }
    }
    const QStringList rows
        = pg.psql(u"SELECT sitting || '/' || seq, body FROM events"_s, &error).split(u'\n');
    QCOMPARE(rows.size(), journaled.size());
    for (const QString &row : rows)
        QCOMPARE(QJsonDocument::fromJson(row.section(u'\t', 1).toUtf8()),
            journaled.value(row.section(u'\t', 0, 0)));
    QVERIFY(closings >= Terminals);
    QCOMPARE(pg.psql(u"SELECT count(*) FROM sitting_results WHERE status = 'finished' "
                     "AND points = 25 AND percentage = '50%'"_s,
                 &error),
        QString::number(closings));

    // The terminals' account inserts, and does nothing else.
    for (const QString &sql : { u"SELECT count(*) FROM events"_s, u"DELETE FROM events"_s,
             u"UPDATE results SET record = '{}'"_s, u"SELECT * FROM sitting_results"_s }) {
        pg.psql(sql, &error, true);
        QVERIFY2(error.contains(u"permission denied"_s), qPrintable(sql + error));
    }
}

int main(int argc, char *argv[])
{
    if (binaries().isEmpty()) {
        std::printf("SKIPPED: PostgreSQL is not installed (scripts/install-deps.sh installs it)\n");
        return 77;
    }
    QCoreApplication app(argc, argv);
    TestCentral t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_central.moc"
