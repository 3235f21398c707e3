#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

// A private X server for a real-window test: Xvfb on a free display, with no window manager or
// with openbox in its default configuration, started and ended by the test by process id, the
// exam program on it, real input through xdotool and screenshots through xgrab.
class XSession
{
public:
    XSession() = default;
    ~XSession();
    XSession(const XSession &) = delete;
    XSession &operator=(const XSession &) = delete;

    // Why a real-window test cannot run here, or empty when it can.
    static QString whyUnavailable();

    bool start(QSize screen, QString *error);
    // Why openbox cannot run here, or empty when it can.
    static QString whyNoWindowManager();
    bool startWindowManager(QString *error);
    bool startProgram(const QString &path, QString *error, const QStringList &args = {});
    // Waits for the program's window and returns its id, or empty.
    QString waitForWindow(int timeoutMs = 15000);
    QString xdotool(const QStringList &args, int timeoutMs = 10000);
    // Runs an X client on the display to its end; its standard output.
    QString run(const QString &program, const QStringList &args, int timeoutMs = 10000);
    // The display's environment, for a process the test starts itself.
    QProcessEnvironment environment() const;
    void click(QPoint p);
    QImage screenshot();
    // Waits for the program to end; its exit code, or -1 when it did not end in time.
    int waitForExit(int timeoutMs);
    bool programRunning() const;
    QString programOutput();
    QString display() const { return m_display; }

private:
    QProcess m_xvfb;
    QProcess m_windowManager;
    std::optional<QTemporaryDir> m_home; // the window manager's, empty
    QProcess m_program;
    QString m_display;
};
