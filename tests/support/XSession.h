#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QString>
#include <QStringList>

// A private X server for a real-window test: Xvfb on a display it picks itself, with no window
// manager, the exam program on it, real input through xdotool and screenshots through xgrab.
// Both processes are ended by the session, by process id.
class XSession
{
public:
    XSession() = default;
    ~XSession();
    XSession(const XSession &) = delete;
    XSession &operator=(const XSession &) = delete;

    // Why a real-window test cannot run here, or empty when it can.
    static QString whyUnavailable();

    // Starts the server and the program on it; what went wrong, or empty.
    QString start(const QString &program);
    QString xdotool(const QStringList &args);
    // The first visible window whose class (or, with "--name", title) matches, or empty.
    QString findWindow(const QString &how, const QString &pattern);
    void click(QPoint p);
    QImage screenshot();

    QProcess program;

private:
    QProcessEnvironment environment() const;

    QProcess m_xvfb;
    QString m_display;
};
