// Timings inside the exam program on a real window: a question click with its repaint, an
// answer click with its repaint, the closing with the whole result drawn, and one flight.
// Each is the median of many runs.

#include "Dialogs.h"
#include "FlatButton.h"
#include "FormProvimi.h"
#include "Provimi.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Sitja
{
    FormProvimi forma;
    RealDialogs dialogs;
    Provimi provimi { forma, dialogs };

    Sitja()
    {
        provimi.perfundoProgramin = [](int) {};
        provimi.Form_Load();
        forma.shfaqMaksimizuar();
        (void)QTest::qWaitForWindowExposed(&forma);
        QApplication::processEvents();
    }
};

// What the handler changed is repainted and sent to the screen, as the event loop does after
// every click.
void paraqit()
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
    const int Here = 25;

    Sitja s;
    std::vector<double> pyetjaEFtohte, pyetja, alternativa, fluturimi, mbyllja;
    // The first opening of each question also renders its glyphs for the first time.
    for (int i = 1; i <= 50; ++i)
        pyetjaEFtohte.push_back(ms([&] {
            s.provimi.CmdZgjidhPyetjen_Click(i);
            paraqit();
        }));
    for (int n = 0; n < Here; ++n) {
        const int i = 1 + (n * 7) % 50;
        pyetja.push_back(ms([&] {
            s.provimi.CmdZgjidhPyetjen_Click(i);
            paraqit();
        }));
        alternativa.push_back(ms([&] {
            s.provimi.CmdAlternativa_Click(1 + n % 4);
            paraqit();
        }));
        if (n < 10)
            fluturimi.push_back(ms([&] { s.provimi.CmdKonfirmoj_Click(); }));
    }
    for (int n = 0; n < 10; ++n) {
        Sitja m;
        m.provimi.CmdZgjidhPyetjen_Click(3);
        mbyllja.push_back(ms([&] {
            m.forma.gjendja().ProvimiPerfundoi = QStringLiteral("po");
            m.provimi.PerfundoProvimin();
            paraqit();
        }));
    }
    std::printf("question click + repaint   %8.3f ms  (median of %zu; first opening of each "
                "question %.3f ms)\n",
        mediana(pyetja), pyetja.size(), mediana(pyetjaEFtohte));
    std::printf("answer click + repaint     %8.3f ms  (median of %zu)\n", mediana(alternativa),
        alternativa.size());
    std::printf(
        "closing, result drawn      %8.3f ms  (median of %zu)\n", mediana(mbyllja), mbyllja.size());
    std::printf("one flight (199 steps)     %8.1f ms  (median of %zu)\n", mediana(fluturimi),
        fluturimi.size());
    return 0;
}
