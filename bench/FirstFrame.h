#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>

// The start-up benchmark's protocol, shared by the exam program and the bare window: the
// driver puts its spawn time (ns since the epoch) in BENCH_T0; once the window has painted
// its first frame, the program prints the milliseconds since then and ends.
class FirstFrame final : public QObject
{
public:
    explicit FirstFrame(QObject *window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && !m_drawn) {
            m_drawn = true;
            // After the paint event the frame is flushed to the screen; report then.
            QTimer::singleShot(0, [] {
                const char *t0 = std::getenv("BENCH_T0");
                const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                    std::chrono::system_clock::now().time_since_epoch())
                                     .count();
                const double ms = t0 ? (now - std::atoll(t0)) / 1e6 : 0;
                std::printf("%.2f\n", ms);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool m_drawn = false;
};
