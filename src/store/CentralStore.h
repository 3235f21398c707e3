#pragma once

#include <QString>

#include <atomic>
#include <thread>

class QEventLoop;

// Where the exam centre's PostgreSQL is, and the terminal's account there.
struct CentralSettings
{
    QString host;
    int port = 5432;
    QString database;
    QString user;
    QString password;
};

// The exam centre's PostgreSQL, which receives every record of the terminal's sittings and
// each result. The journals are the queue: a thread of its own reads what they gained and
// sends it (see CentralSender), so the exam only counts a record it added and never waits for
// the server, and what could not be sent yet is sent when the server answers again, also
// after a restart.
class CentralStore final
{
    Q_DISABLE_COPY_MOVE(CentralStore)

public:
    // Starts sending, first whatever the folder's journals hold that was never sent.
    CentralStore(const CentralSettings &settings, const QString &folder);
    ~CentralStore();

    // A journal of the folder gained a record. Safe from any thread; takes no lock.
    void journalGrew() { m_written.fetch_add(1); }
    // Waits at most timeoutMs until all the journals held when called is sent; whether it was.
    bool waitUntilSent(int timeoutMs);

private:
    std::atomic<quint64> m_written { 1 }; // the journals as they were at the start count once
    std::atomic<quint64> m_sent { 0 }; // the count of m_written last found all sent
    // A thread the destructor joins, not a QThread: a QThread's wait ends before the thread's
    // own storage is gone, and OpenSSL's (behind libpq) would then be torn down twice, by the
    // thread and by the program's exit, at the same time.
    std::thread m_thread;
    QEventLoop *m_loop = nullptr; // the thread's, running until the destructor ends it
};
