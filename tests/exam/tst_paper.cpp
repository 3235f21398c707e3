// The paper draw and the built-in bank.

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
    void bankKeepsItsRules();
};

void TestPaper::permutationAndUniformity()
{
    // Every seed draws a permutation of the 50 questions, all marked as placed. Where question
    // 1 lands over the seeds: a chi-square over the 50 positions, 49 degrees of freedom,
    // against its 0.1% critical value (85.35). The same seed drawing the same paper is checked
    // through the window in tst_nisja.
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
            if (s.Teza(k) == 1)
                ++places[static_cast<std::size_t>(k)];
        }
        QCOMPARE(seen.size(), 50);
    }
    const double awaited = Trials / 50.0;
    double chi2 = 0;
    for (int k = 1; k <= 50; ++k) {
        const double d = places[static_cast<std::size_t>(k)] - awaited;
        chi2 += d * d / awaited;
    }
    QVERIFY2(chi2 < 85.35, qPrintable(QStringLiteral("chi-square %1").arg(chi2)));
}

void TestPaper::bankKeepsItsRules()
{
    ExamState s;
    MbushFondinDemo(s);
    int points = 0;
    QSet<QString> questions;
    for (int q = 1; q <= 50; ++q) {
        const int p = s.PikePozitive(q);
        QCOMPARE(p, (q - 1) % 3 + 1); // points follow the question number: 17, 17 and 16
        points += p;
        const QString &st = s.StrukturaEPyetjes(q);
        QVERIFY(st == "TTTTTT" || st == "TTTTT" || st == "GTTTT");
        QCOMPARE(st.startsWith('G'), q == 31 || q == 32);
        const int n = static_cast<int>(st.size()) - 1;
        QCOMPARE(s.Alternativat(q, 5).isEmpty(), n == 4);
        for (int j = 1; j <= n; ++j)
            QVERIFY2(!s.Alternativat(q, j).trimmed().isEmpty(), qPrintable(QString::number(q)));
        // The correct letter names an existing alternative.
        const QString &correct = s.PergjigjaESakte(q);
        QCOMPARE(correct.size(), 1);
        QVERIFY(correct >= "A" && correct[0].unicode() < 'A' + n);
        QCOMPARE(correct == "E", q == 3);
        QVERIFY(!s.Pyetja(q).trimmed().isEmpty());
        questions.insert(s.Pyetja(q));
        QVERIFY(s.FondSizeP(q) > 0 && s.FondSizeAlt(q) > 0);
    }
    QCOMPARE(points, 99);
    QCOMPARE(questions.size(), 50); // no question twice
    QCOMPARE(s.Alternativat(17, 3), QStringLiteral("-300")); // the correct one, C
}

QTEST_APPLESS_MAIN(TestPaper)
#include "tst_paper.moc"
