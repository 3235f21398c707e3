#pragma once

#include "store/CentralStore.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <deque>

// The sending thread of the central store. It looks at the folder's journals a few times a
// second when they gained records, reads each journal's new whole lines and sends them in
// order, in batches, each batch one transaction. The server keeps each record once by its
// sitting and sequence number, so a batch sent again after a lost answer adds nothing. What
// was sent is noted beside each journal (<sitting>.sent: the last sequence number, and "end"
// once the closing went), so a restart sends the rest of each journal and no more. While the
// server cannot be reached the sender tries again every second and says so on standard error
// once per outage.
class CentralSender final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CentralSender)

public:
    // `written` counts the records added to the journals; `sent` is set to the count whose
    // records all reached the server.
    CentralSender(const CentralSettings &settings, const QString &folder,
        const std::atomic<quint64> &written, std::atomic<quint64> &sent);

    // On the sender's thread.
    void start();
    void stop();

private:
    struct Entry
    {
        QString sitting;
        QJsonObject record;
    };
    struct Tail // of one journal
    {
        qint64 offset = 0; // of the first line not read yet
        qint64 taken = 0; // the last sequence number queued or sent
        bool done = false; // its closing was sent
    };

    void poll();
    void readJournals();
    void pump();
    bool connectToServer();
    bool sendBatch(size_t n);
    void markSent(const QString &sitting, qint64 sequence, bool end);
    void disconnectFromServer(const QString &why);

    const CentralSettings m_settings;
    const QString m_folder;
    const QString m_connection;
    const std::atomic<quint64> &m_written;
    std::atomic<quint64> &m_sent;
    quint64 m_read = 0; // the count of m_written when the journals were last read
    QHash<QString, Tail> m_journals;
    std::deque<Entry> m_queue;
    QTimer m_poll;
    QDeadlineTimer m_nextAttempt;
    bool m_connected = false;
    bool m_outageReported = false;
};
