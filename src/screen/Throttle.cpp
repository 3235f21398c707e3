#include "screen/Throttle.h"

#include <utility>

Throttle::Throttle(int intervalMs, std::function<void()> action)
    : m_action(std::move(action))
{
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(intervalMs);
    QObject::connect(&m_quiet, &QTimer::timeout, [this] {
        if (std::exchange(m_pending, false))
            run();
    });
}

void Throttle::request()
{
    if (m_quiet.isActive())
        m_pending = true;
    else
        run();
}

void Throttle::run()
{
    m_quiet.start();
    m_action();
}
