#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <memory>

// A private Xvfb for a real-window test, bare or with a window manager in its default
// configuration, the exam program on it, input through xdotool, screenshots straight from the
// server.
class XSession
{
public:
    ~XSession();

    // Whether all of `tools` are installed; if not, says which is missing.
    static bool available(std::initializer_list<const char *> tools);
    // Polls `condition` until it holds; false when `timeoutMs` passed first.
    template<typename F>
    static bool poll(F condition, int timeoutMs = 10000)
    {
        QElapsedTimer t;
        for (t.start(); !condition(); QThread::msleep(40))
            if (t.elapsed() >= timeoutMs)
                return false;
        return true;
    }

    // With the window manager of this name (openbox, fluxbox, icewm), none when empty.
    bool start(QSize screen, QString *error, const QString &windowManager = {});
    // Starts the program and waits for its window: the window's id, or empty and *error.
    QString startProgram(const QString &path, QString *error, const QStringList &args = {});
    // The first visible window found by `how` (--name, --class), waiting up to `timeoutMs`.
    QString search(const QString &how, const QString &what, int timeoutMs = 0);
    QString xdotool(const QStringList &args, int timeoutMs = 10000)
    {
        return run(QStringLiteral("xdotool"), args, {}, timeoutMs);
    }
    void keys(const QString &line) { xdotool(line.split(u' ')); }
    // Runs an X client to its end: its output; in *status its exit code, -1 if crashed or late.
    QString run(const QString &program, const QStringList &args, const QByteArray &input = {},
        int timeoutMs = 10000, int *status = nullptr);
    // A property of the root window, its value only.
    QString rootProperty(const QString &name);
    QRect geometry(const QString &id);
    // Button 1 pressed and released at `p` as a person does (xdotool, with its pauses).
    void click(QPoint p);
    // The same at once, through XTEST from this process, for timing what follows a click:
    // returns once the X server has taken the press and the release.
    void quickClick(QPoint p);
    // The whole screen, or the area of it.
    QImage screenshot(QRect area = {});
    // Polls fresh screenshots into *shot until `condition` holds.
    template<typename F>
    bool shotUntil(QImage *shot, F condition, int timeoutMs = 10000)
    {
        return poll([&] { return !(*shot = screenshot()).isNull() && condition(); }, timeoutMs);
    }
    // Opens another program's window, an xmessage; its id.
    QString openOther();
    void closeOther();
    // Waits for the program to end; its exit code, or -1 when it did not end in time.
    int waitForExit(int timeoutMs);
    bool programRunning() const { return m_program.state() != QProcess::NotRunning; }
    // Ends the program at once (SIGKILL), as a crash or a power cut would.
    void killProgram();
    qint64 programId() const { return m_program.processId(); }
    QString programOutput() { return QString::fromLocal8Bit(m_program.readAllStandardError()); }
    // What a process on this display gets: the test's environment with the display set, and
    // whatever was added.
    QProcessEnvironment environment() const;
    QString display() const { return m_display; }
    // The test's own connection to the display, opened on first use, for what must be quicker
    // than a tool: the screen, the focus, requests to the window manager.
    xcb_connection_t *connection();
    xcb_window_t root() { return xcb_setup_roots_iterator(xcb_get_setup(connection())).data->root; }
    xcb_atom_t atom(const char *name);
    QColor pixel(QPoint p);
    // A client message of `type` about `window` to `to`: to the root, that is to the window
    // manager, when `to` is 0.
    void send(xcb_window_t window, const char *type, std::initializer_list<std::uint32_t> data,
        xcb_window_t to = 0);
    // An X reply, freed with it.
    template<typename T>
    static std::unique_ptr<T, void (*)(void *)> reply(T *r)
    {
        return { r, &std::free };
    }
    void addEnvironment(const QString &name, const QString &value) { m_extra.insert(name, value); }

private:
    QProcessEnvironment m_extra;
    QProcess m_xvfb, m_windowManager, m_program, m_other;
    xcb_connection_t *m_connection = nullptr;
    QTemporaryDir m_home; // the window manager's, empty
    QString m_display;
};

// The main of a real-window test, which skips (77) where Xvfb, xdotool or `tools` are missing;
// an application of widgets, for the windows a test draws here to compare with the screen.
#define XSESSION_TEST_MAIN(TestClass, ...)                                                         \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        if (!XSession::available({ "Xvfb", "xdotool", __VA_ARGS__ }))                              \
            return 77;                                                                             \
        QApplication app(argc, argv);                                                              \
        TestClass t;                                                                               \
        return QTest::qExec(&t, argc, argv);                                                       \
    }
