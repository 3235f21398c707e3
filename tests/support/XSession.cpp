#include "support/XSession.h"

#include <QStandardPaths>
#include <QTemporaryDir>

#include <csignal>

QString XSession::whyUnavailable()
{
    for (const char *tool : { "Xvfb", "xdotool" })
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return QStringLiteral("%1 is not installed (scripts/install-deps.sh installs it)")
                .arg(QLatin1String(tool));
    return {};
}

XSession::~XSession()
{
    for (QProcess *p : { &program, &m_xvfb }) {
        if (p->state() == QProcess::NotRunning)
            continue;
        ::kill(static_cast<pid_t>(p->processId()), SIGTERM);
        if (!p->waitForFinished(3000)) {
            p->kill();
            p->waitForFinished(3000);
        }
    }
}

QProcessEnvironment XSession::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return env;
}

QString XSession::start(const QString &path)
{
    // Xvfb writes its display number once it accepts connections.
    m_xvfb.start(QStringLiteral("Xvfb"),
        { QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
            QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
            QStringLiteral("tcp"), QStringLiteral("-dpi"), QStringLiteral("96") });
    if (!m_xvfb.waitForReadyRead(10000))
        return QStringLiteral("Xvfb did not start: ") + QString::fromLocal8Bit(m_xvfb.readAll());
    m_display = QLatin1Char(':') + QString::fromLatin1(m_xvfb.readAllStandardOutput()).trimmed();
    program.setProcessEnvironment(environment());
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(path, {});
    return program.waitForStarted(5000) ? QString() : program.errorString();
}

QString XSession::xdotool(const QStringList &args)
{
    QProcess p;
    p.setProcessEnvironment(environment());
    p.start(QStringLiteral("xdotool"), args);
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished();
    }
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

QString XSession::findWindow(const QString &how, const QString &pattern)
{
    return xdotool({ QStringLiteral("search"), QStringLiteral("--onlyvisible"), how, pattern })
        .section(QLatin1Char('\n'), 0, 0);
}

void XSession::click(QPoint p)
{
    xdotool({ QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()),
        QStringLiteral("click"), QStringLiteral("1") });
}

QImage XSession::screenshot()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("screen.png"));
    QProcess p;
    p.setProcessEnvironment(environment());
    p.start(QStringLiteral(PROVIMI_XGRAB), { file });
    if (!p.waitForFinished(10000) || p.exitCode() != 0)
        return {};
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}
