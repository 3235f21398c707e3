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
    // The bank's table, question by question: correct letter, the two font sizes, and the
    // structure (5: "TTTTTT", 4: "TTTTT", G: "GTTTT").
    const char *const correct = "AAECABCACBBCCDDCCCADBCBABBBCDACBCACCCABCAAACDBBBDC";
    const int sizeP[50] = { 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 15, 20, 26, 20, 20, 25, 26, 28,
        25, 27, 26, 25, 28, 28, 27, 25, 24, 20, 22, 20, 24, 23, 25, 24, 23, 28, 24, 23, 24, 28, 18,
        24, 26, 26, 29, 28, 18, 27, 26, 27 };
    const int sizeAlt[50] = { 21, 21, 21, 21, 15, 21, 14, 21, 21, 21, 21, 21, 15, 21, 21, 18, 21,
        23, 11, 19, 24, 22, 21, 23, 21, 23, 19, 21, 21, 16, 19, 21, 23, 19, 17, 19, 21, 21, 21, 21,
        21, 21, 24, 21, 28, 21, 16, 16, 18, 21 };
    const char *const structure = "555545555555554544444444444444GG444444444444444444";
    ExamState s;
    MbushFondinDemo(s);
    int points = 0;
    QSet<QString> questions;
    for (int q = 1; q <= 50; ++q) {
        const QByteArray row = QByteArray::number(q);
        const int p = s.PikePozitive(q);
        QCOMPARE(p, (q - 1) % 3 + 1); // points follow the question number: 17, 17 and 16
        points += p;
        QVERIFY2(s.PergjigjaESakte(q) == QChar(correct[q - 1]), row);
        QVERIFY2(s.FondSizeP(q) == sizeP[q - 1] && s.FondSizeAlt(q) == sizeAlt[q - 1], row);
        const char st = structure[q - 1];
        QVERIFY2(s.StrukturaEPyetjes(q)
                == (st == 'G' ? "GTTTT" : QString(st - '0' + 1, QLatin1Char('T'))),
            row);
        const int n = static_cast<int>(s.StrukturaEPyetjes(q).size()) - 1;
        QCOMPARE(s.Alternativat(q, 5).isEmpty(), n == 4);
        for (int j = 1; j <= n; ++j)
            QVERIFY2(!s.Alternativat(q, j).trimmed().isEmpty(), row);
        QVERIFY(!s.Pyetja(q).trimmed().isEmpty());
        questions.insert(s.Pyetja(q));
    }
    QCOMPARE(points, 99);
    QCOMPARE(questions.size(), 50); // no question twice
    QCOMPARE(s.Alternativat(17, 3), QStringLiteral("-300")); // the correct one, C
}

QTEST_APPLESS_MAIN(TestPaper)
#include "tst_paper.moc"
