#pragma once

#include <QTimer>

#include <functional>

// Runs an action at most once per interval however often it is asked for: the first request
// runs it at once, and any number of requests within the interval run it once more at the
// interval's end, so no request waits longer than one interval.
class Throttle final
{
    Q_DISABLE_COPY_MOVE(Throttle)

public:
    Throttle(int intervalMs, std::function<void()> action);

    void request();
    void setInterval(int ms) { m_quiet.setInterval(ms); }

private:
    void run();

    std::function<void()> m_action;
    QTimer m_quiet; // runs for the interval after each run
    bool m_pending = false; // requested while m_quiet ran
};
