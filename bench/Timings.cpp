// Timings inside the exam program on a real window: a question click with its repaint, an
// answer click with its repaint, the closing with the whole result drawn, and one flight.
// Each is the median of many runs.

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
        QApplication::processEvents();
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
    const int Times = 25;

    Sitting s;
    std::vector<double> coldQuestion, question, alternative, flight, closed;
    // The first opening of each question also renders its glyphs for the first time.
    for (int i = 1; i <= 50; ++i)
        coldQuestion.push_back(ms([&] {
            s.exam.CmdZgjidhPyetjen_Click(i);
            present();
        }));
    for (int n = 0; n < Times; ++n) {
        const int i = 1 + (n * 7) % 50;
        question.push_back(ms([&] {
            s.exam.CmdZgjidhPyetjen_Click(i);
            present();
        }));
        alternative.push_back(ms([&] {
            s.exam.CmdAlternativa_Click(1 + n % 4);
            present();
        }));
        if (n < 10)
            flight.push_back(ms([&] { s.exam.CmdKonfirmoj_Click(); }));
    }
    for (int n = 0; n < 10; ++n) {
        Sitting m;
        m.exam.CmdZgjidhPyetjen_Click(3);
        closed.push_back(ms([&] {
            m.exam.PerfundoProvimin();
            present();
        }));
    }
    std::printf("question click + repaint   %8.3f ms  (median of %zu; first opening of each "
                "question %.3f ms)\n",
        median(question), question.size(), median(coldQuestion));
    std::printf("answer click + repaint     %8.3f ms  (median of %zu)\n", median(alternative),
        alternative.size());
    std::printf(
        "closing, result drawn      %8.3f ms  (median of %zu)\n", median(closed), closed.size());
    std::printf(
        "one flight (199 steps)     %8.1f ms  (median of %zu)\n", median(flight), flight.size());
    return 0;
}
