#include "app/DisplayClaim.h"

#include <QLocalSocket>

namespace {

QString nameOfDisplay()
{
    QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("WAYLAND_DISPLAY");
    for (QChar &c : display)
        if (!c.isLetterOrNumber())
            c = QLatin1Char('_');
    return QStringLiteral("provimi-") + display;
}

} // namespace

bool DisplayClaim::claim()
{
    const QString name = nameOfDisplay();
    m_server.setSocketOptions(QLocalServer::AbstractNamespaceOption);
    if (m_server.listen(name)) {
        connect(&m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket *s = m_server.nextPendingConnection()) {
                s->deleteLater();
                emit frontRequested();
            }
        });
        return true;
    }
    // The name is taken: the running exam comes to the front when it is reached. Where it
    // cannot be reached the name was refused for another reason, and the exam runs unclaimed.
    QLocalSocket running;
    running.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    running.connectToServer(name);
    return !running.waitForConnected(500);
}
