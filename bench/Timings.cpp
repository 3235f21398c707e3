// Timings inside the exam program on a real window: a question click with its repaint, an
// answer click with its repaint, the closing with the whole result drawn, and one flight.
// Each is the median of many runs, with the 10th and 90th percentiles for the spread.

#include "exam/handlers/Exam.h"
#include "screen/Dialogs.h"
#include "screen/FlatButton.h"
#include "screen/FormProvimi.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// "median ms  (10th-90th percentile, count)"
void report(const char *what, std::vector<double> v, int decimals)
{
    std::sort(v.begin(), v.end());
    const auto at = [&](double f) { return v[static_cast<std::size_t>(f * (v.size() - 1))]; };
    std::printf("%-26s %8.*f ms  (%.*f-%.*f, %zu runs)\n", what, decimals, median(v), decimals,
        at(0.1), decimals, at(0.9), v.size());
}

struct Sitting
{
    FormProvimi window;
    RealDialogs dialogs;
    Exam exam { window, dialogs, 31415.5f, QDate(2026, 12, 7) };

    Sitting()
    {
        exam.Form_Load();
        window.showCoveringScreen();
        (void)QTest::qWaitForWindowExposed(&window);
        // At rest: the window manager's answers and the hold on the screen are through.
        QTest::qWait(200);
    }
};

// What the handler changed is repainted and sent to the screen, as the event loop does after
// every click.
void present()
{
    QApplication::processEvents();
}

template<typename F>
double ms(F &&f)
{
    QElapsedTimer t;
    t.start();
    f();
    return t.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int Clicks = 200, Flights = 10, Closings = 20;

    Sitting s;
    std::vector<double> coldQuestion, question, alternative, flight, closed;
    // The first opening of each question also renders its glyphs for the first time.
    for (int i = 1; i <= 50; ++i)
        coldQuestion.push_back(ms([&] {
            s.exam.CmdZgjidhPyetjen_Click(i);
            present();
        }));
    for (int n = 0; n < Clicks; ++n) {
        const int i = 1 + (n * 7) % 50;
        question.push_back(ms([&] {
            s.exam.CmdZgjidhPyetjen_Click(i);
            present();
        }));
        alternative.push_back(ms([&] {
            s.exam.CmdAlternativa_Click(1 + n % 4);
            present();
        }));
        if (n < Flights)
            flight.push_back(ms([&] { s.exam.CmdKonfirmoj_Click(); }));
    }
    for (int n = 0; n < Closings; ++n) {
        Sitting m;
        m.exam.CmdZgjidhPyetjen_Click(3);
        closed.push_back(ms([&] {
            m.exam.PerfundoProvimin();
            present();
        }));
    }
    report("question click + repaint", question, 3);
    report("  first opening of each", coldQuestion, 3);
    report("answer click + repaint", alternative, 3);
    report("closing, result drawn", closed, 3);
    report("one flight (199 steps)", flight, 1);
    return 0;
}
