// The central store against a real PostgreSQL: 200 terminals (the program's journal and sender,
// without the window) record sittings at once while the server stops and starts twice and some
// terminals are killed and restarted; then the server holds each journal record exactly once
// and each result, no hand-over to the sender took 50 ms, and the terminals' account can only
// insert.

#include "store/Journal.h"

#include <QDir>
#include <QJsonDocument>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString OwnerPassword = u"pronari"_s, TerminalPassword = u"terminali"_s;

// A PostgreSQL server of Debian's in a temporary folder on a free port. It refuses to run as
// root, so a suite run as root runs it as nobody.
class Postgres
{
public:
    static QString binaries()
    {
        const QStringList versions
            = QDir(u"/usr/lib/postgresql"_s)
                  .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::Reversed);
        for (const QString &v : versions)
            if (QFile::exists(u"/usr/lib/postgresql/%1/bin/initdb"_s.arg(v)))
                return u"/usr/lib/postgresql/%1/bin/"_s.arg(v);
        return {};
    }

    bool start(QString *error)
    {
        QFile pw(m_dir.filePath(u"pw"_s));
        if (!pw.open(QIODevice::WriteOnly) || pw.write(OwnerPassword.toUtf8()) < 0)
            return false;
        pw.close();
        if (geteuid() == 0) {
            const passwd *nobody = getpwnam("nobody");
            if (!nobody || chown(qPrintable(m_dir.path()), nobody->pw_uid, nobody->pw_gid) != 0
                || chown(qPrintable(pw.fileName()), nobody->pw_uid, nobody->pw_gid) != 0)
                return false;
            m_as = { u"--reuid=%1"_s.arg(nobody->pw_uid), u"--regid=%1"_s.arg(nobody->pw_gid),
                u"--clear-groups"_s };
        }
        *error = run(u"initdb"_s,
            { u"-D"_s, data(), u"-U"_s, u"owner"_s, u"--pwfile"_s, pw.fileName(), u"-A"_s,
                u"scram-sha-256"_s, u"-E"_s, u"UTF8"_s });
        for (int attempt = 0; error->isEmpty() && attempt < 20 && !port; ++attempt) {
            port = 20000 + QRandomGenerator::global()->bounded(30000);
            if (!(*error = startServer()).isEmpty() && attempt < 19)
                port = 0, error->clear();
        }
        return error->isEmpty();
    }
    QString startServer()
    {
        return run(u"pg_ctl"_s,
            { u"-D"_s, data(), u"-l"_s, m_dir.filePath(u"log"_s), u"-w"_s, u"-o"_s,
                u"-p %1 -k %2 -c listen_addresses=127.0.0.1 -c max_connections=300 -c fsync=off"_s
                    .arg(port)
                    .arg(m_dir.path()),
                u"start"_s });
    }
    QString stopServer()
    {
        return run(u"pg_ctl"_s, { u"-D"_s, data(), u"-m"_s, u"fast"_s, u"-w"_s, u"stop"_s });
    }
    ~Postgres()
    {
        if (port)
            stopServer();
    }

    // psql as the owner or the terminals' account: its output, or why it failed in *error.
    QString psql(const QStringList &args, QString *error, bool asTerminal = false) const
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"PGPASSWORD"_s, asTerminal ? TerminalPassword : OwnerPassword);
        p.setProcessEnvironment(env);
        p.start(u"psql"_s,
            QStringList { u"-X"_s, u"-At"_s, u"-v"_s, u"ON_ERROR_STOP=1"_s, u"-h"_s, u"127.0.0.1"_s,
                u"-p"_s, QString::number(port), u"-U"_s,
                asTerminal ? u"provimi_terminal"_s : u"owner"_s }
                + args);
        p.waitForFinished(60000);
        *error = p.exitCode() == 0 ? QString() : QString::fromLocal8Bit(p.readAllStandardError());
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }

    int port = 0;

private:
    QString data() const { return m_dir.filePath(u"data"_s); }
    QString run(const QString &tool, const QStringList &args) const
    {
        QProcess p;
        const QString path = binaries() + tool;
        if (m_as.isEmpty())
            p.start(path, args);
        else
            p.start(u"setpriv"_s, m_as + QStringList { path } + args);
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            return tool + u": "_s + QString::fromLocal8Bit(p.readAllStandardError());
        return {};
    }

    QTemporaryDir m_dir;
    QStringList m_as;
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
    QString error;
    QVERIFY2(pg.start(&error), qPrintable(error));
    pg.psql({ u"-d"_s, u"postgres"_s, u"-c"_s, u"CREATE DATABASE provimi"_s }, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    pg.psql({ u"-d"_s, u"provimi"_s, u"-f"_s, QStringLiteral(PROVIMI_SCHEMA), u"-c"_s,
                u"ALTER ROLE provimi_terminal PASSWORD '%1'"_s.arg(TerminalPassword) },
        &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    // 200 terminals, each its own state folder; 25 answers 200 ms apart take each about 5 s.
    constexpr int Terminals = 200;
    QTemporaryDir states;
    std::vector<std::unique_ptr<QProcess>> terminals;
    auto launch = [&](int i) {
        auto &p = terminals[static_cast<size_t>(i)];
        p = std::make_unique<QProcess>();
        p->start(QStringLiteral(PROVIMI_SIM_TERMINAL),
            { states.filePath(QString::number(i)), u"127.0.0.1"_s, QString::number(pg.port),
                u"provimi"_s, u"provimi_terminal"_s, TerminalPassword, u"25"_s, u"200"_s });
    };
    terminals.resize(Terminals);
    for (int i = 0; i < Terminals; ++i)
        launch(i);

    // Two outages while they run; meanwhile every tenth terminal is killed and started again.
    QRandomGenerator rng(2024);
    for (int outage = 0; outage < 2; ++outage) {
        QTest::qWait(2500);
        QCOMPARE(pg.stopServer(), QString());
        for (int i = outage * 5; i < Terminals; i += 10) {
            QTest::qWait(rng.bounded(100));
            terminals[static_cast<size_t>(i)]->kill();
            terminals[static_cast<size_t>(i)]->waitForFinished();
            launch(i);
        }
        QTest::qWait(2000);
        QCOMPARE(pg.startServer(), QString());
    }
    qint64 longestUs = 0;
    for (int i = 0; i < Terminals; ++i) {
        QProcess &p = *terminals[static_cast<size_t>(i)];
        p.waitForFinished(120000);
        QVERIFY2(p.state() == QProcess::NotRunning && p.exitCode() == 0,
            qPrintable(
                u"terminal %1: %2"_s.arg(i).arg(QString::fromLocal8Bit(p.readAllStandardError()))));
        longestUs = std::max(longestUs, p.readAllStandardOutput().trimmed().toLongLong());
    }
    QVERIFY2(longestUs < 50000, qPrintable(QString::number(longestUs)));

    // Every record of every journal is on the server once, as the journal holds it, and
    // nothing else; each closed sitting's result is there.
    QHash<QString, QByteArray> journaled;
    int closings = 0;
    for (int i = 0; i < Terminals; ++i) {
        const QDir folder(states.filePath(QString::number(i)));
        for (const QString &j : folder.entryList({ u"*.journal"_s }))
            for (const QJsonObject &r : Journal::read(folder.filePath(j))) {
                const QString key = QFileInfo(j).completeBaseName() + u'/'
                    + QString::number(r.value(u"seq"_s).toInteger());
                journaled.insert(key, QJsonDocument(r).toJson(QJsonDocument::Compact));
                closings += r.value(u"kind"_s) == u"closing"_s;
            }
    }
    const QStringList rows = pg.psql({ u"-d"_s, u"provimi"_s, u"-F"_s, u"\t"_s, u"-c"_s,
                                         u"SELECT sitting || '/' || seq, body FROM events"_s },
                                   &error)
                                 .split(u'\n');
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(rows.size(), journaled.size());
    for (const QString &row : rows) {
        const QString key = row.section(u'\t', 0, 0);
        QVERIFY2(journaled.contains(key), qPrintable(key));
        QCOMPARE(QJsonDocument::fromJson(row.section(u'\t', 1).toUtf8()),
            QJsonDocument::fromJson(journaled.value(key)));
    }
    QCOMPARE(pg.psql({ u"-d"_s, u"provimi"_s, u"-c"_s,
                         u"SELECT count(*) FROM sitting_results WHERE status = 'finished' "
                         "AND points = 25 AND percentage = '50%'"_s },
                 &error),
        QString::number(closings));
    QVERIFY(closings >= Terminals);

    // The terminals' account inserts, and does nothing else.
    for (const QString &sql : { u"SELECT count(*) FROM events"_s, u"DELETE FROM events"_s,
             u"UPDATE results SET record = '{}'"_s, u"SELECT * FROM sitting_results"_s }) {
        pg.psql({ u"-d"_s, u"provimi"_s, u"-c"_s, sql }, &error, true);
        QVERIFY2(error.contains(u"permission denied"_s), qPrintable(sql + error));
    }
}

int main(int argc, char *argv[])
{
    if (Postgres::binaries().isEmpty()) {
        std::printf("SKIPPED: PostgreSQL is not installed (scripts/install-deps.sh installs it)\n");
        return 77;
    }
    QCoreApplication app(argc, argv);
    TestCentral t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_central.moc"
