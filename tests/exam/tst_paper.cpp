// The paper draw: a permutation of the bank, every question as likely at every place.

#include "exam/DemoBank.h"
#include "exam/ExamState.h"
#include "exam/PaperDraw.h"
#include "exam/RandomGenerator.h"

#include <QSet>
#include <QTest>

#include <array>

class TestPaper final : public QObject
{
    Q_OBJECT

private slots:
    void permutationAndUniformity();
};

void TestPaper::permutationAndUniformity()
{
    // Every seed draws a permutation of the 50 questions, all marked as placed. Where question
    // 1 lands over the seeds: a chi-square over the 50 positions, 49 degrees of freedom,
    // against its 0.1% critical value (85.35). The same seed drawing the same paper is checked
    // through the window, at start-up.
    constexpr int Trials = 5000;
    std::array<int, 51> places {};
    for (int i = 0; i < Trials; ++i) {
        ExamState s;
        RandomGenerator g(static_cast<float>(i) * 17.3f);
        drawPaper(s, g);
        QCOMPARE(s.Teza(0), 0);
        QSet<int> seen;
        for (int k = 1; k <= 50; ++k) {
            QVERIFY(s.Teza(k) >= 1 && s.Teza(k) <= 50);
            QCOMPARE(s.EZgjedhur(k), FlagYes);
            seen.insert(s.Teza(k));
            places[static_cast<std::size_t>(k)] += s.Teza(k) == 1;
        }
        QCOMPARE(seen.size(), 50);
    }
    double chi2 = 0;
    for (int k = 1; k <= 50; ++k) {
        const double d = places[static_cast<std::size_t>(k)] - Trials / 50.0;
        chi2 += d * d / (Trials / 50.0);
    }
    QVERIFY2(chi2 < 85.35, qPrintable(QStringLiteral("chi-square %1").arg(chi2)));
}

QTEST_APPLESS_MAIN(TestPaper)
#include "tst_paper.moc"
