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
    void permutacionPerShumeFara();
    void faraEnjejteTezaEnjejte();
    void uniformiteti();
    void fondiRuanRregullat();
};

namespace {
std::array<int, 51> teza(float fara)
{
    ExamState s;
    GjeneratoriRastesor g(fara);
    hiqTezen(s, g);
    std::array<int, 51> t {};
    for (int k = 0; k <= 50; ++k)
        t[static_cast<std::size_t>(k)] = s.Teza(k);
    for (int q = 1; q <= 50; ++q)
        if (s.EZgjedhur(q) != Po)
            t[0] = -1; // marks a question left off
    return t;
}
} // namespace

void TestTeza::permutacionPerShumeFara()
{
    for (int i = 0; i < 2000; ++i) {
        const float fara = static_cast<float>(i) * 43.17f;
        const auto t = teza(fara);
        QCOMPARE(t[0], 0); // element 0 unused, every question marked as placed
        QSet<int> pare;
        for (int k = 1; k <= 50; ++k) {
            QVERIFY(t[static_cast<std::size_t>(k)] >= 1 && t[static_cast<std::size_t>(k)] <= 50);
            pare.insert(t[static_cast<std::size_t>(k)]);
        }
        QCOMPARE(pare.size(), 50);
    }
}

void TestTeza::faraEnjejteTezaEnjejte()
{
    QCOMPARE(teza(30123.5f), teza(30123.5f));
    QVERIFY(teza(30123.5f) != teza(30123.6f));
    QVERIFY(teza(0.0f) != teza(1.0f));
}

void TestTeza::uniformiteti()
{
    // Where question 1 lands over many seeds: a chi-square over the 50 positions, 49 degrees
    // of freedom, against its 0.1% critical value (85.35).
    constexpr int Provat = 5000;
    std::array<int, 51> vende {};
    for (int i = 0; i < Provat; ++i) {
        const auto t = teza(static_cast<float>(i) * 17.3f);
        for (int k = 1; k <= 50; ++k)
            if (t[static_cast<std::size_t>(k)] == 1)
                ++vende[static_cast<std::size_t>(k)];
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
    std::array<int, 4> sipasPikeve {};
    int pestaBosh = 0;
    QSet<QString> pyetjet;
    for (int q = 1; q <= 50; ++q) {
        const int p = s.PikePozitive(q);
        QVERIFY(p >= 1 && p <= 3);
        QCOMPARE(p, (q - 1) % 3 + 1); // points follow the question number
        pike += p;
        ++sipasPikeve[static_cast<std::size_t>(p)];
        const QString &st = s.StrukturaEPyetjes(q);
        QVERIFY(st == "TTTTTT" || st == "TTTTT" || st == "GTTTT");
        const int n = static_cast<int>(st.size()) - 1;
        if (s.Alternativat(q, 5).isEmpty())
            ++pestaBosh;
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
        QCOMPARE(st.startsWith('G'), q == 31 || q == 32);
        QVERIFY(s.FondSizeP(q) > 0 && s.FondSizeAlt(q) > 0);
    }
    QCOMPARE(pike, 99);
    QCOMPARE(sipasPikeve[1], 17);
    QCOMPARE(sipasPikeve[2], 17);
    QCOMPARE(sipasPikeve[3], 16);
    QCOMPARE(pestaBosh, 36);
    QCOMPARE(pyetjet.size(), 50); // no question twice
    const QStringList numrat { "300", "700", "-300", "7500" };
    for (int j = 1; j <= 4; ++j)
        QCOMPARE(s.Alternativat(17, j), numrat[j - 1]);
    QCOMPARE(s.Alternativat(17, 3), QStringLiteral("-300")); // the correct one, C
    QCOMPARE(s.FondSizeP(45), 29);
    QCOMPARE(s.FondSizeAlt(19), 11);
}

QTEST_APPLESS_MAIN(TestTeza)
#include "tst_teza.moc"
