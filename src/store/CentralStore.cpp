#include "store/CentralStore.h"

#include "store/CentralSender.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>

#include <future>

CentralStore::CentralStore(const CentralSettings &settings, const QString &folder)
{
    std::promise<QEventLoop *> running;
    m_thread = std::thread([this, settings, folder, &running] {
        CentralSender sender(settings, folder, m_written, m_sent);
        QEventLoop loop;
        running.set_value(&loop);
        sender.start();
        loop.exec();
        sender.stop();
    });
    m_loop = running.get_future().get();
}

CentralStore::~CentralStore()
{
    QMetaObject::invokeMethod(m_loop, &QEventLoop::quit, Qt::QueuedConnection);
    m_thread.join();
}

bool CentralStore::waitUntilSent(int timeoutMs)
{
    const quint64 written = m_written;
    const QDeadlineTimer deadline(timeoutMs);
    while (m_sent < written && !deadline.hasExpired())
        QThread::msleep(10);
    return m_sent >= written;
}
