#include "store/CentralStore.h"

#include "store/CentralSender.h"

#include <QDeadlineTimer>

CentralStore::CentralStore(const CentralSettings &settings, const QString &folder)
    : m_sender(new CentralSender(settings, folder, m_written, m_sent))
{
    m_thread.setObjectName(QStringLiteral("central store"));
    m_sender->moveToThread(&m_thread);
    m_thread.start();
    QMetaObject::invokeMethod(m_sender, &CentralSender::start, Qt::QueuedConnection);
}

CentralStore::~CentralStore()
{
    QMetaObject::invokeMethod(m_sender, &CentralSender::stop, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
    delete m_sender;
}

bool CentralStore::waitUntilSent(int timeoutMs)
{
    const quint64 written = m_written;
    const QDeadlineTimer deadline(timeoutMs);
    while (m_sent < written && !deadline.hasExpired())
        QThread::msleep(10);
    return m_sent >= written;
}
