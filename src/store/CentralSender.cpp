#include "store/CentralSender.h"

#include "store/Journal.h"
#include "store/SittingJournal.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <cstdio>
#include <optional>

using namespace JournalKeys;

namespace {
constexpr size_t BatchSize = 100;
constexpr int PollMs = 200;
constexpr int RetryMs = 1000;
constexpr int ConnectTimeoutSeconds = 3;

QString sentPath(const QString &folder, const QString &sitting)
{
    return QDir(folder).filePath(sitting + QStringLiteral(".sent"));
}

QString json(const QJsonObject &o)
{
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

void say(const QString &line)
{
    std::fprintf(stderr, "provimi: %s\n", qPrintable(line));
    std::fflush(stderr);
}
} // namespace

CentralSender::CentralSender(const CentralSettings &settings, const QString &folder,
    const std::atomic<quint64> &written, std::atomic<quint64> &sent)
    : m_settings(settings)
    , m_folder(folder)
    , m_connection(QStringLiteral("central-") + QUuid::createUuid().toString(QUuid::Id128))
    , m_written(written)
    , m_sent(sent)
    , m_poll(this)
{
    m_poll.setInterval(PollMs);
    connect(&m_poll, &QTimer::timeout, this, &CentralSender::poll);
}

void CentralSender::start()
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        say(QStringLiteral("qendra e provimeve nuk arrihet: mungon drejtuesi PostgreSQL i Qt "
                           "(paketa libqt6sql6-psql)."));
        return;
    }
    m_poll.start();
    poll();
}

void CentralSender::poll()
{
    const quint64 written = m_written;
    if (written != m_read) {
        m_read = written;
        readJournals();
    }
    if (!m_queue.empty() && m_nextAttempt.hasExpired())
        pump();
    if (m_queue.empty())
        m_sent = m_read;
}

void CentralSender::readJournals()
{
    // Oldest journal first; one whose closing was sent is done.
    const QFileInfoList journals = QDir(m_folder).entryInfoList(
        { QStringLiteral("*.journal") }, QDir::Files, QDir::Time | QDir::Reversed);
    for (const QFileInfo &j : journals) {
        const QString sitting = j.completeBaseName();
        auto tail = m_journals.find(sitting);
        if (tail == m_journals.end()) {
            QFile sent(sentPath(m_folder, sitting));
            const QList<QByteArray> mark = sent.open(QIODevice::ReadOnly)
                ? sent.readAll().simplified().split(' ')
                : QList<QByteArray> {};
            tail = m_journals.insert(
                sitting, { 0, mark.value(0).toLongLong(), mark.size() == 2 && mark[1] == "end" });
        }
        if (tail->done || j.size() <= tail->offset)
            continue;
        for (const QJsonObject &r : Journal::read(j.filePath(), tail->offset, &tail->offset)) {
            const qint64 sequence = r.value(Sequence).toInteger();
            if (sequence > tail->taken) {
                tail->taken = sequence;
                m_queue.push_back({ sitting, r });
            }
        }
    }
}

void CentralSender::pump()
{
    while (!m_queue.empty()) {
        const size_t n = std::min(m_queue.size(), BatchSize);
        if (!connectToServer() || !sendBatch(n)) {
            m_nextAttempt.setRemainingTime(RetryMs);
            return;
        }
        m_queue.erase(m_queue.begin(), m_queue.begin() + static_cast<qsizetype>(n));
    }
}

bool CentralSender::connectToServer()
{
    if (m_connected)
        return true;
    QSqlDatabase db = QSqlDatabase::contains(m_connection)
        ? QSqlDatabase::database(m_connection, false)
        : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connection);
    db.setHostName(m_settings.host);
    db.setPort(m_settings.port);
    db.setDatabaseName(m_settings.database);
    db.setUserName(m_settings.user);
    db.setPassword(m_settings.password);
    db.setConnectOptions(QStringLiteral("connect_timeout=%1").arg(ConnectTimeoutSeconds));
    if (!db.open()) {
        disconnectFromServer(db.lastError().text());
        return false;
    }
    m_connected = true;
    if (m_outageReported)
        say(QStringLiteral("qendra e provimeve arrihet përsëri; ngjarjet që prisnin po dërgohen."));
    m_outageReported = false;
    return true;
}

bool CentralSender::sendBatch(size_t n)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    std::optional<QSqlError> error;
    if (!db.transaction())
        error = db.lastError();
    {
        QSqlQuery event(db), result(db);
        if (!error
            && !event.prepare(QStringLiteral(
                "INSERT INTO events (sitting, seq, kind, at, body) VALUES "
                "(?, ?, ?, CAST(? AS timestamptz), CAST(? AS jsonb)) ON CONFLICT DO NOTHING")))
            error = event.lastError();
        if (!error
            && !result.prepare(QStringLiteral("INSERT INTO results (sitting, record) VALUES "
                                              "(?, CAST(? AS jsonb)) ON CONFLICT DO NOTHING")))
            error = result.lastError();
        for (size_t i = 0; !error && i < n; ++i) {
            const Entry &e = m_queue[i];
            event.addBindValue(e.sitting);
            event.addBindValue(e.record.value(Sequence).toInteger());
            event.addBindValue(e.record.value(Kind).toString());
            event.addBindValue(e.record.value(Time).toString());
            event.addBindValue(json(e.record));
            if (!event.exec())
                error = event.lastError();
            else if (e.record.value(Kind).toString() == KindClosing) {
                result.addBindValue(e.sitting);
                result.addBindValue(json(e.record.value(Result).toObject()));
                if (!result.exec())
                    error = result.lastError();
            }
        }
    }
    if (!error && !db.commit())
        error = db.lastError();
    if (error) {
        disconnectFromServer(error->text());
        return false;
    }
    // The last record of each sitting in the batch is the mark to write.
    QHash<QString, const Entry *> last;
    for (size_t i = 0; i < n; ++i)
        last.insert(m_queue[i].sitting, &m_queue[i]);
    for (const Entry *e : std::as_const(last))
        markSent(e->sitting, e->record.value(Sequence).toInteger(),
            e->record.value(Kind).toString() == KindClosing);
    return true;
}

void CentralSender::markSent(const QString &sitting, qint64 sequence, bool end)
{
    m_journals[sitting].done = end;
    // A lost or torn mark only sends some records again, which the server ignores.
    QFile f(sentPath(m_folder, sitting));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(QByteArray::number(sequence) + (end ? " end\n" : "\n"));
}

void CentralSender::disconnectFromServer(const QString &why)
{
    if (!m_outageReported)
        say(QStringLiteral("qendra e provimeve (%1:%2) nuk arrihet (%3); ngjarjet presin në "
                           "ditar dhe dërgohen kur të arrihet.")
                .arg(m_settings.host)
                .arg(m_settings.port)
                .arg(why.simplified()));
    m_outageReported = true;
    m_connected = false;
    if (QSqlDatabase::contains(m_connection))
        QSqlDatabase::database(m_connection, false).close();
}

void CentralSender::stop()
{
    m_poll.stop();
    m_queue.clear();
    m_connected = false;
    QSqlDatabase::removeDatabase(m_connection);
}
