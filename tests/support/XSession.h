#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QString>
#include <QStringList>

// A private X server for a real-window test: Xvfb on a free display with no window manager,
// started and ended by the test by process id, the exam program on it, real input through
// xdotool and screenshots through xgrab.
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
    bool startProgram(const QString &path, QString *error, const QStringList &args = {});
    // Waits for the program's window and returns its id, or empty.
    QString waitForWindow(int timeoutMs = 15000);
    QString xdotool(const QStringList &args, int timeoutMs = 10000);
    void click(QPoint p);
    QImage screenshot();
    // Waits for the program to end; its exit code, or -1 when it did not end in time.
    int waitForExit(int timeoutMs);
    bool programRunning() const;
    QString programOutput();
    QString display() const { return m_display; }

private:
    QProcessEnvironment environment() const;

    QProcess m_xvfb;
    QProcess m_program;
    QString m_display;
};
