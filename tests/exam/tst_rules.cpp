// The exam's pure rules: reading numbers out of texts and writing them, the clock step, the
// paper draw, scoring and the listing of the result as data before it is drawn.

#include "exam/ClockStep.h"
#include "exam/DemoBank.h"
#include "exam/NumberText.h"
#include "exam/PaperDraw.h"
#include "exam/RandomGenerator.h"
#include "exam/Scoring.h"

#include <QSet>
#include <QTest>

#include <map>

class TestRules final : public QObject
{
    Q_OBJECT

private slots:
    void numericValue_data();
    void numericValue();
    void decimalText();
    void clockStep_data();
    void clockStep();
    void paperIsUniformPermutation();
    void percentage_data();
    void percentage();
    void pointsAndListing();
};

void TestRules::numericValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("minutes with colon") << "60:" << 60.0;
    QTest::newRow("letter") << "B" << 0.0;
    QTest::newRow("leading blanks") << "   7 " << 7.0;
    QTest::newRow("negative") << "-300" << -300.0;
    QTest::newRow("decimal point") << "66.66%" << 66.66;
    QTest::newRow("comma is not a decimal point") << "66,66" << 66.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("exponent") << "1e3x" << 1000.0;
    QTest::newRow("E without digits is a letter") << "5E" << 5.0;
    QTest::newRow("letter before digits") << "E5" << 0.0;
    QTest::newRow("tab and newline skipped") << "\t\n42" << 42.0;
    QTest::newRow("huge stays finite") << QString(400, QLatin1Char('9')) << 0.0;
}

void TestRules::numericValue()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(NumberText::numericValue(text), value);
}

void TestRules::decimalText()
{
    // The shortest text, no exponent; the number form has a blank each side, the minus taking
    // the blank before it.
    const QChar point = QLatin1Char('.'), comma = QLatin1Char(',');
    QCOMPARE(NumberText::decimalText(100, point), QStringLiteral("100"));
    QCOMPARE(NumberText::decimalText(-0.0, point), QStringLiteral("0"));
    QCOMPARE(NumberText::decimalText(-300, point), QStringLiteral("-300"));
    QCOMPARE(NumberText::decimalText(1e16, point), QStringLiteral("10000000000000000"));
    QCOMPARE(NumberText::decimalText(0.0001, point), QStringLiteral("0.0001"));
    QCOMPARE(NumberText::numberForm(7), QStringLiteral(" 7 "));
    QCOMPARE(NumberText::numberForm(50), QStringLiteral(" 50 "));
    QCOMPARE(NumberText::numberForm(-3), QStringLiteral("-3 "));
    QCOMPARE(NumberText::numberForm(2.5, comma), QStringLiteral(" 2,5 "));
}

void TestRules::clockStep_data()
{
    // One second down: unpadded minutes and two-digit seconds; at 0:00 time is up and the
    // labels stay.
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("timeUp");
    QTest::newRow("first tick") << "60:00"
                                << "59:59" << false;
    QTest::newRow("seconds keep two digits") << "59:10"
                                             << "59:09" << false;
    QTest::newRow("minute turns") << "10:00"
                                  << "9:59" << false;
    QTest::newRow("last minute") << "1:00"
                                 << "0:59" << false;
    QTest::newRow("last second") << "0:01"
                                 << "0:00" << false;
    QTest::newRow("time up") << "0:00"
                             << "0:00" << true;
}

void TestRules::clockStep()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(bool, timeUp);
    const ClockStep h = ::clockStep(before.section(QLatin1Char(':'), 0, 0) + QLatin1Char(':'),
        before.section(QLatin1Char(':'), 1));
    QCOMPARE(h.timeUp, timeUp);
    QCOMPARE(h.minutes + h.seconds, after);
}

void TestRules::paperIsUniformPermutation()
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
        QSet<int> seen;
        for (int k = 1; k <= 50; ++k) {
            QVERIFY(s.Teza(k) >= 1 && s.Teza(k) <= 50 && s.EZgjedhur(k) == FlagYes);
            seen.insert(s.Teza(k));
            places[static_cast<std::size_t>(k)] += s.Teza(k) == 1;
        }
        QVERIFY(seen.size() == 50 && s.Teza(0) == 0);
    }
    double chi2 = 0;
    for (int k = 1; k <= 50; ++k) {
        const double d = places[static_cast<std::size_t>(k)] - Trials / 50.0;
        chi2 += d * d / (Trials / 50.0);
    }
    QVERIFY2(chi2 < 85.35, qPrintable(QStringLiteral("chi-square %1").arg(chi2)));
}

void TestRules::percentage_data()
{
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("text");
    QTest::newRow("66 of 99 truncated") << 66.0 << 99 << "66.66%";
    QTest::newRow("50 of 99") << 50.0 << 99 << "50.5%";
    QTest::newRow("1 of 99") << 1.0 << 99 << "1.01%";
    QTest::newRow("all") << 99.0 << 99 << "100%";
    QTest::newRow("none") << 0.0 << 99 << "0%";
    QTest::newRow("57 of 100 keeps the double rounding") << 57.0 << 100 << "56.99%";
    QTest::newRow("98 of 99") << 98.0 << 99 << "98.98%";
    QTest::newRow("paper worth nothing") << 0.0 << 0 << "0%";
}

void TestRules::percentage()
{
    QFETCH(double, points);
    QFETCH(int, maximum);
    QFETCH(QString, text);
    const double p = ::percentage(points, static_cast<std::int16_t>(maximum));
    QCOMPARE(percentageText(p, QLatin1Char('.')), text);
    QCOMPARE(percentageText(p, QLatin1Char(',')), QString(text).replace('.', ','));
}

void TestRules::pointsAndListing()
{
    // A right answer earns the points of the question behind its button, Teza(k), not those of
    // question k; a wrong letter, a letter in lower case and no answer earn nothing.
    ExamState s;
    MbushFondinDemo(s);
    RandomGenerator g(1234.5f);
    drawPaper(s, g);
    s.NrPyetjeve = 50;
    const Colour pointColour[]
        = { Colours::Black, Colours::Green, Colours::Blue, Colours::Magenta };
    for (int p = 1; p <= 3; ++p)
        s.NgjyraPikeve(p) = pointColour[p];
    int right = 0, wrong = 0, lower = 0;
    for (int k = 1; k <= 50; ++k) {
        const int p = s.PikePozitive(s.Teza(k));
        right = !right && k <= 25 && p == 2 && s.PikePozitive(k) != 2 ? k : right;
        wrong = !wrong && k > 25 && p == 3 ? k : wrong;
        lower = !lower && p == 1 ? k : lower;
    }
    QVERIFY(right && wrong && lower);
    std::map<int, QString> answers { { right, s.PergjigjaESakte(s.Teza(right)) },
        { wrong, s.PergjigjaESakte(s.Teza(wrong)) == "A" ? "B" : "A" }, { lower, "a" } };
    const Scoring v = computeScoring(
        s, [&](int k) { return answers.count(k) ? answers[k] : QString::number(k); });
    QCOMPARE(v.PiketEGrumbulluara, 2.0);
    QCOMPARE(int(v.PiketMaksimale), 99);
    for (int k = 1; k <= 50; ++k) {
        QCOMPARE(v.PergjigjetEDhena(k), answers.count(k) ? answers[k] : QStringLiteral("_"));
        QCOMPARE(v.PiketEFituara(k), k == right ? QStringLiteral("2") : QString());
    }

    // A row as printed, piece after piece: the given letter always yellow, the correct one in
    // its point colour only when it was given, and then the points in their own column.
    s.PergjigjetEDhena = v.PergjigjetEDhena;
    s.PiketEFituara = v.PiketEFituara;
    const auto listing = resultListing(s, QLatin1Char('.'));
    QCOMPARE(listing.size(), std::size_t(50));
    for (int k : { right, wrong, 1, 50 }) {
        const ListingRow &r = listing[static_cast<std::size_t>(k - 1)];
        const int q = s.Teza(k);
        QString awaited = QStringLiteral("Nr.  %1 %2  (P %3 %4)  ")
                              .arg(k)
                              .arg(v.PergjigjetEDhena(k))
                              .arg(q)
                              .arg(s.PergjigjaESakte(q));
        if (k == right)
            awaited += QStringLiteral("2 pikë");
        QString text;
        for (const PrintedPiece &c : r.pieces)
            text += c.text;
        QCOMPARE(text, awaited);
        QCOMPARE(r.k, k);
        QCOMPARE(r.x, k <= 25 ? 100 : 350);
        QCOMPARE(r.pieces.size(), std::size_t(k == right ? 7 : 6));
        for (std::size_t i = 0; i < r.pieces.size(); ++i)
            QCOMPARE(r.pieces[i].colour,
                i == 2 ? Colours::Yellow : (i == 4 && k == right ? Colours::Blue : Colours::White));
        if (k == right)
            QCOMPARE(r.pieces[6].x, std::optional<int>(260));
    }
}

QTEST_APPLESS_MAIN(TestRules)
#include "tst_rules.moc"
