// The paper draw and the built-in bank.

#include "ExamState.h"
#include "FondiDemo.h"
#include "GjeneratoriRastesor.h"
#include "Teza.h"

#include <QSet>
#include <QTest>

#include <array>

class TestTeza final : public QObject
{
    Q_OBJECT

private slots:
    void permutacionDheUniformitet();
    void fondiRuanRregullat();
};

void TestTeza::permutacionDheUniformitet()
{
    // Every seed draws a permutation of the 50 questions, all marked as placed. Where question
    // 1 lands over the seeds: a chi-square over the 50 positions, 49 degrees of freedom,
    // against its 0.1% critical value (85.35). The same seed drawing the same paper is checked
    // through the window in tst_nisja.
    constexpr int Provat = 5000;
    std::array<int, 51> vende {};
    for (int i = 0; i < Provat; ++i) {
        ExamState s;
        GjeneratoriRastesor g(static_cast<float>(i) * 17.3f);
        hiqTezen(s, g);
        QCOMPARE(s.Teza(0), 0);
        QSet<int> pare;
        for (int k = 1; k <= 50; ++k) {
            QVERIFY(s.Teza(k) >= 1 && s.Teza(k) <= 50);
            QCOMPARE(s.EZgjedhur(k), Po);
            pare.insert(s.Teza(k));
            if (s.Teza(k) == 1)
                ++vende[static_cast<std::size_t>(k)];
        }
        QCOMPARE(pare.size(), 50);
    }
    const double pritur = Provat / 50.0;
    double chi2 = 0;
    for (int k = 1; k <= 50; ++k) {
        const double d = vende[static_cast<std::size_t>(k)] - pritur;
        chi2 += d * d / pritur;
    }
    QVERIFY2(chi2 < 85.35, qPrintable(QStringLiteral("chi-square %1").arg(chi2)));
}

void TestTeza::fondiRuanRregullat()
{
    ExamState s;
    MbushFondinDemo(s);
    int pike = 0;
    QSet<QString> pyetjet;
    for (int q = 1; q <= 50; ++q) {
        const int p = s.PikePozitive(q);
        QCOMPARE(p, (q - 1) % 3 + 1); // points follow the question number: 17, 17 and 16
        pike += p;
        const QString &st = s.StrukturaEPyetjes(q);
        QVERIFY(st == "TTTTTT" || st == "TTTTT" || st == "GTTTT");
        QCOMPARE(st.startsWith('G'), q == 31 || q == 32);
        const int n = static_cast<int>(st.size()) - 1;
        QCOMPARE(s.Alternativat(q, 5).isEmpty(), n == 4);
        for (int j = 1; j <= n; ++j)
            QVERIFY2(!s.Alternativat(q, j).trimmed().isEmpty(), qPrintable(QString::number(q)));
        // The correct letter names an existing alternative.
        const QString &sakte = s.PergjigjaESakte(q);
        QCOMPARE(sakte.size(), 1);
        QVERIFY(sakte >= "A" && sakte[0].unicode() < 'A' + n);
        QCOMPARE(sakte == "E", q == 3);
        QVERIFY(!s.Pyetja(q).trimmed().isEmpty());
        pyetjet.insert(s.Pyetja(q));
        QVERIFY(s.FondSizeP(q) > 0 && s.FondSizeAlt(q) > 0);
    }
    QCOMPARE(pike, 99);
    QCOMPARE(pyetjet.size(), 50); // no question twice
    QCOMPARE(s.Alternativat(17, 3), QStringLiteral("-300")); // the correct one, C
}

QTEST_APPLESS_MAIN(TestTeza)
#include "tst_teza.moc"
