#include "support/XSession.h"

#include <QColor>
#include <QStandardPaths>

#include <xcb/xtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

using namespace Qt::StringLiterals;

bool XSession::available(std::initializer_list<const char *> tools)
{
    for (const char *tool : tools)
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) {
            std::printf(
                "SKIPPED: %s is not installed (scripts/install-deps.sh installs it)\n", tool);
            return false;
        }
    return true;
}

XSession::~XSession()
{
    if (m_connection)
        xcb_disconnect(m_connection);
    // SIGTERM to each; one that ignores it gets SIGKILL from its QProcess.
    for (QProcess *p : { &m_program, &m_other, &m_windowManager, &m_xvfb }) {
        p->terminate();
        p->waitForFinished(3000);
    }
}

QProcessEnvironment XSession::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"DISPLAY"_s, m_display);
    env.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    env.remove(u"WAYLAND_DISPLAY"_s);
    env.insert(m_extra);
    return env;
}

// Starts a process and waits until `ready` holds; false and *error when it ends or is late.
static bool launch(QProcess &p, const QString &program, const QStringList &args,
    const std::function<bool()> &ready, QString *error, int timeoutMs = 10000)
{
    p.start(program, args);
    auto ended = [&] { return p.state() == QProcess::NotRunning; };
    if (XSession::poll([&] { return ended() || ready(); }, timeoutMs) && !ended())
        return true;
    *error = program + u" did not take the display: "_s + p.errorString()
        + QString::fromLocal8Bit(p.readAllStandardError());
    return false;
}

bool XSession::start(QSize screen, QString *error, const QString &windowManager)
{
    // Xvfb takes a free display and writes its number once it accepts connections; -noreset:
    // what a test sets on the server outlives the X client that set it.
    QByteArray number;
    if (!launch(
            m_xvfb, u"Xvfb"_s,
            { u"-displayfd"_s, u"1"_s, u"-screen"_s, u"0"_s,
                u"%1x%2x24"_s.arg(screen.width()).arg(screen.height()), u"-nolisten"_s, u"tcp"_s,
                u"-dpi"_s, u"96"_s, u"-noreset"_s },
            [&] {
                m_xvfb.waitForReadyRead(40);
                return (number += m_xvfb.readAllStandardOutput()).endsWith('\n');
            },
            error))
        return false;
    m_display = u':' + QString::fromLatin1(number.trimmed());
    if (windowManager.isEmpty())
        return true;
    // The window manager with its default configuration, none of the user's.
    QProcessEnvironment env = environment();
    env.insert(u"HOME"_s, m_home.path());
    env.insert(u"XDG_CONFIG_HOME"_s, m_home.filePath(u"config"_s));
    m_windowManager.setProcessEnvironment(env);
    return launch(
        m_windowManager, windowManager, {},
        [&] { return !rootProperty(u"_NET_SUPPORTING_WM_CHECK"_s).isEmpty(); }, error);
}

QString XSession::startProgram(const QString &path, QString *error, const QStringList &args)
{
    QString id;
    m_program.setProcessEnvironment(environment());
    launch(
        m_program, path, args, [&] { return !(id = search(u"--class"_s, u"provimi"_s)).isEmpty(); },
        error, 15000);
    return id;
}

QString XSession::search(const QString &how, const QString &what, int timeoutMs)
{
    const QStringList args { u"search"_s, u"--onlyvisible"_s, how, what };
    QString id;
    poll([&] { return !(id = xdotool(args, 2000).section(u'\n', 0, 0)).isEmpty(); }, timeoutMs);
    return id;
}

QString XSession::run(const QString &program, const QStringList &args, const QByteArray &input,
    int timeoutMs, int *status)
{
    QProcess p;
    p.setProcessEnvironment(environment());
    p.start(program, args);
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
    }
    if (status)
        *status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

QString XSession::rootProperty(const QString &name)
{
    return run(u"xprop"_s, { u"-root"_s, name }).section(u'#', 1).trimmed();
}

QRect XSession::geometry(const QString &id)
{
    const QString g = xdotool({ u"getwindowgeometry"_s, u"--shell"_s, id });
    auto value = [&](const QString &key) { return g.section(key, 1).section(u'\n', 0, 0).toInt(); };
    return { value(u"X="_s), value(u"Y="_s), value(u"WIDTH="_s), value(u"HEIGHT="_s) };
}

void XSession::click(QPoint p)
{
    xdotool({ u"mousemove"_s, QString::number(p.x()), QString::number(p.y()), u"click"_s, u"1"_s });
}

void XSession::quickClick(QPoint p)
{
    xcb_connection_t *c = connection();
    xcb_test_fake_input(c, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root(),
        static_cast<std::int16_t>(p.x()), static_cast<std::int16_t>(p.y()), 0);
    xcb_test_fake_input(c, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, root(), 0, 0, 0);
    xcb_test_fake_input(c, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, root(), 0, 0, 0);
    reply(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

QImage XSession::screenshot(QRect area)
{
    xcb_connection_t *c = connection();
    const xcb_screen_t *s = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (area.isEmpty())
        area = QRect(0, 0, s->width_in_pixels, s->height_in_pixels);
    const auto image = reply(xcb_get_image_reply(c,
        xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, s->root, static_cast<std::int16_t>(area.x()),
            static_cast<std::int16_t>(area.y()), static_cast<std::uint16_t>(area.width()),
            static_cast<std::uint16_t>(area.height()), ~0u),
        nullptr));
    if (!image || xcb_get_image_data_length(image.get()) < 4 * area.width() * area.height())
        return {};
    return QImage(
        xcb_get_image_data(image.get()), area.width(), area.height(), QImage::Format_RGB32)
        .copy();
}

QString XSession::openOther()
{
    m_other.setProcessEnvironment(environment());
    m_other.start(u"xmessage"_s, { u"xmessage"_s });
    return search(u"--class"_s, u"Xmessage"_s, 10000);
}

void XSession::closeOther()
{
    m_other.terminate();
    m_other.waitForFinished(3000);
}

void XSession::killProgram()
{
    m_program.kill();
    m_program.waitForFinished(3000);
}

xcb_connection_t *XSession::connection()
{
    if (!m_connection)
        m_connection = xcb_connect(m_display.toLatin1().constData(), nullptr);
    return m_connection;
}

xcb_atom_t XSession::atom(const char *name)
{
    xcb_connection_t *c = connection();
    const auto r = reply(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
    return r ? r->atom : 0;
}

QColor XSession::pixel(QPoint p)
{
    const QImage one = screenshot({ p, QSize(1, 1) });
    return one.isNull() ? QColor() : one.pixelColor(0, 0);
}

void XSession::send(xcb_window_t window, const char *type,
    std::initializer_list<std::uint32_t> data, xcb_window_t to)
{
    xcb_client_message_event_t m {};
    m.response_type = XCB_CLIENT_MESSAGE;
    m.format = 32;
    m.window = window;
    m.type = atom(type);
    std::copy(data.begin(), data.end(), m.data.data32);
    xcb_send_event(connection(), 0, to ? to : root(),
        to ? XCB_EVENT_MASK_NO_EVENT
           : XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
        reinterpret_cast<const char *>(&m));
}

int XSession::waitForExit(int timeoutMs)
{
    if (programRunning() && !m_program.waitForFinished(timeoutMs))
        return -1;
    return m_program.exitStatus() == QProcess::NormalExit ? m_program.exitCode() : -1;
}
