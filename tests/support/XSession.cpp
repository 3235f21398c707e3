#include "support/XSession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>

QString XSession::whyUnavailable()
{
    for (const char *tool : { "Xvfb", "xdotool" })
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return QStringLiteral("%1 is not installed (scripts/install-deps.sh installs it)")
                .arg(QLatin1String(tool));
    return {};
}

QString XSession::whyNoWindowManager()
{
    for (const char *tool : { "openbox", "xprop", "xmessage" })
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return QStringLiteral("%1 is not installed (scripts/install-deps.sh installs it)")
                .arg(QLatin1String(tool));
    return {};
}

XSession::~XSession()
{
    for (QProcess *p : { &m_program, &m_windowManager, &m_xvfb }) {
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

bool XSession::start(QSize screen, QString *error)
{
    // A display number nobody uses: no socket and no lock file.
    int n = 90 + static_cast<int>(QCoreApplication::applicationPid() % 100);
    for (int tries = 0; tries < 200; ++tries, ++n) {
        if (!QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n))
            && !QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
            break;
    }
    m_display = QStringLiteral(":%1").arg(n);
    // -noreset: what a test sets on the server (resources, settings) outlives the X client
    // that set it.
    m_xvfb.setProcessChannelMode(QProcess::MergedChannels);
    m_xvfb.start(QStringLiteral("Xvfb"),
        { m_display, QStringLiteral("-screen"), QStringLiteral("0"),
            QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()),
            QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-dpi"),
            QStringLiteral("96"), QStringLiteral("-noreset") });
    if (!m_xvfb.waitForStarted(5000)) {
        *error = QStringLiteral("Xvfb did not start: ") + m_xvfb.errorString();
        return false;
    }
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 10000) {
        if (xdotool({ QStringLiteral("getmouselocation") }, 2000).contains(QLatin1String("x:")))
            return true;
        if (m_xvfb.state() == QProcess::NotRunning) {
            *error
                = QStringLiteral("Xvfb ended at once: ") + QString::fromLocal8Bit(m_xvfb.readAll());
            return false;
        }
        QThread::msleep(50);
    }
    *error = QStringLiteral("Xvfb did not answer on %1").arg(m_display);
    return false;
}

bool XSession::startWindowManager(QString *error)
{
    // Openbox with its default configuration, none of the user's.
    QProcessEnvironment env = environment();
    m_home.emplace();
    env.insert(QStringLiteral("HOME"), m_home->path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home->filePath(QStringLiteral("config")));
    m_windowManager.setProcessEnvironment(env);
    m_windowManager.setProcessChannelMode(QProcess::MergedChannels);
    m_windowManager.start(QStringLiteral("openbox"), {});
    if (!m_windowManager.waitForStarted(5000)) {
        *error = QStringLiteral("openbox did not start: ") + m_windowManager.errorString();
        return false;
    }
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 10000) {
        if (run(QStringLiteral("xprop"),
                { QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK") }, 2000)
                .contains(QLatin1String("window id")))
            return true;
        if (m_windowManager.state() == QProcess::NotRunning) {
            *error = QStringLiteral("openbox ended at once: ")
                + QString::fromLocal8Bit(m_windowManager.readAll());
            return false;
        }
        QThread::msleep(50);
    }
    *error = QStringLiteral("openbox did not take the display");
    return false;
}

bool XSession::startProgram(const QString &path, QString *error, const QStringList &args)
{
    m_program.setProcessEnvironment(environment());
    m_program.setProcessChannelMode(QProcess::MergedChannels);
    m_program.start(path, args);
    if (!m_program.waitForStarted(5000)) {
        *error = m_program.errorString();
        return false;
    }
    return true;
}

QString XSession::xdotool(const QStringList &args, int timeoutMs)
{
    return run(QStringLiteral("xdotool"), args, timeoutMs);
}

QString XSession::run(const QString &program, const QStringList &args, int timeoutMs)
{
    QProcess p;
    p.setProcessEnvironment(environment());
    p.start(program, args);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

QString XSession::waitForWindow(int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < timeoutMs && m_program.state() != QProcess::NotRunning) {
        const QString id = xdotool({ QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                       QStringLiteral("--class"), QStringLiteral("provimi") },
            2000)
                               .section(QLatin1Char('\n'), 0, 0);
        if (!id.isEmpty())
            return id;
        QThread::msleep(50);
    }
    return {};
}

void XSession::click(QPoint p)
{
    xdotool({ QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()),
        QStringLiteral("click"), QStringLiteral("1") });
}

QImage XSession::screenshot()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("ekrani.png"));
    QProcess p;
    p.setProcessEnvironment(environment());
    p.start(QStringLiteral(PROVIMI_XGRAB), { file });
    if (!p.waitForFinished(10000) || p.exitCode() != 0)
        return {};
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

int XSession::waitForExit(int timeoutMs)
{
    if (m_program.state() != QProcess::NotRunning && !m_program.waitForFinished(timeoutMs))
        return -1;
    return m_program.exitStatus() == QProcess::NormalExit ? m_program.exitCode() : -1;
}

bool XSession::programRunning() const
{
    return m_program.state() != QProcess::NotRunning;
}

QString XSession::programOutput()
{
    return QString::fromLocal8Bit(m_program.readAll());
}
