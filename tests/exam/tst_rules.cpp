// The exam's pure rules: reading numbers out of texts and writing them, the clock step, the
// paper draw, scoring and the listing of the result as data before it is drawn.

#include "base/LetterSpacing.h"
#include "exam/ClockStep.h"
#include "exam/DemoBank.h"
#include "exam/Descriptions.h"
#include "exam/NumberText.h"
#include "exam/PaperDraw.h"
#include "exam/RandomGenerator.h"
#include "exam/Scoring.h"

#include <QSet>
#include <QTest>

#include <map>
#include <tuple>

class TestRules final : public QObject
{
    Q_OBJECT

private slots:
    void numberTexts();
    void clockStep();
    void paperIsPermutation();
    void percentage();
    void pointsAndListing();
    void spokenTexts();
};

void TestRules::numberTexts()
{
    // Reading: leading blanks skipped, a point (never a comma) as decimal point, an exponent only
    // with digits after it; nothing readable, or too large a number, is 0.
    const std::pair<const char *, double> read[] = { { "60:", 60 }, { "B", 0 }, { "   7 ", 7 },
        { "-300", -300 }, { "66.66%", 66.66 }, { "66,66", 66 }, { "", 0 }, { "-", 0 }, { ".", 0 },
        { "1e3x", 1000 }, { "5E", 5 }, { "E5", 0 }, { "\t\n42", 42 } };
    for (const auto &[text, value] : read)
        QVERIFY2(NumberText::numericValue(QString::fromLatin1(text)) == value, text);
    QCOMPARE(NumberText::numericValue(QString(400, u'9')), 0.0);

    // Writing: the shortest text, no exponent; the number form has a blank each side, the minus
    // taking the blank before it.
    const std::pair<double, const char *> written[] = { { 100, "100" }, { -0.0, "0" },
        { -300, "-300" }, { 1e16, "10000000000000000" }, { 0.0001, "0.0001" } };
    for (const auto &[value, text] : written)
        QCOMPARE(NumberText::decimalText(value, u'.'), QString::fromLatin1(text));
    QCOMPARE(
        NumberText::numberForm(7) + NumberText::numberForm(-3) + NumberText::numberForm(2.5, u','),
        QStringLiteral(" 7 -3  2,5 "));
}

void TestRules::clockStep()
{
    // One second down: unpadded minutes, two-digit seconds; at 0:00 time is up, the labels stay.
    const std::tuple<const char *, const char *, bool> steps[]
        = { { "60:00", "59:59", false }, { "59:10", "59:09", false }, { "10:00", "9:59", false },
              { "1:00", "0:59", false }, { "0:01", "0:00", false }, { "0:00", "0:00", true } };
    for (const auto &[text, after, timeUp] : steps) {
        const QString before = QString::fromLatin1(text);
        const ClockStep h = ::clockStep(before.section(u':', 0, 0) + u':', before.section(u':', 1));
        QCOMPARE(h.timeUp, timeUp);
        QCOMPARE(h.minutes + h.seconds, QString::fromLatin1(after));
    }
}

void TestRules::paperIsPermutation()
{
    // Every seed draws a permutation of the 50 questions, all marked as placed (that seeds draw
    // different papers: tst_sitting).
    for (int i = 0; i < 5000; ++i) {
        ExamState s;
        RandomGenerator g(static_cast<float>(i) * 17.3f);
        drawPaper(s, g);
        QSet<int> seen;
        for (int k = 1; k <= 50; ++k) {
            QVERIFY(s.Teza(k) >= 1 && s.Teza(k) <= 50 && s.EZgjedhur(k) == FlagYes);
            seen.insert(s.Teza(k));
        }
        QVERIFY(seen.size() == 50 && s.Teza(0) == 0);
    }
}

void TestRules::percentage()
{
    // Truncated to two decimals, keeping the double rounding (57 of 100 reads 56.99); a paper
    // worth nothing scores 0; the separator is the one asked for.
    const std::tuple<double, int, const char *> cases[]
        = { { 66, 99, "66.66%" }, { 50, 99, "50.5%" }, { 1, 99, "1.01%" }, { 99, 99, "100%" },
              { 0, 99, "0%" }, { 57, 100, "56.99%" }, { 98, 99, "98.98%" }, { 0, 0, "0%" } };
    for (const auto &[points, maximum, text] : cases) {
        const double p = ::percentage(points, static_cast<std::int16_t>(maximum));
        QCOMPARE(percentageText(p, u'.'), QString::fromLatin1(text));
        QCOMPARE(percentageText(p, u','), QString::fromLatin1(text).replace(u'.', u','));
    }
}

void TestRules::pointsAndListing()
{
    // Points are those of Teza(k), not question k; wrong, lower-case and no letter earn nothing.
    using namespace Qt::StringLiterals;
    ExamState s;
    MbushFondinDemo(s);
    RandomGenerator g(1234.5f);
    drawPaper(s, g);
    s.NrPyetjeve = 50;
    s.NgjyraPikeve(2) = Colours::Blue;
    int right = 0, wrong = 0, lower = 0;
    for (int k = 1; k <= 50; ++k) {
        const int p = s.PikePozitive(s.Teza(k));
        right = !right && k <= 25 && p == 2 && s.PikePozitive(k) != 2 ? k : right;
        wrong = !wrong && k > 25 && p == 3 ? k : wrong;
        lower = !lower && p == 1 ? k : lower;
    }
    QVERIFY(right && wrong && lower);
    std::map<int, QString> answers { { right, s.PergjigjaESakte(s.Teza(right)) },
        { wrong, s.PergjigjaESakte(s.Teza(wrong)) == "A" ? "B" : "A" },
        { lower, s.PergjigjaESakte(s.Teza(lower)).toLower() } };
    const Scoring v = computeScoring(
        s, [&](int k) { return answers.count(k) ? answers[k] : QString::number(k); });
    QCOMPARE(v.PiketEGrumbulluara, 2.0);
    for (int k = 1; k <= 50; ++k) {
        QCOMPARE(v.PergjigjetEDhena(k), answers.count(k) ? answers[k] : QStringLiteral("_"));
        QCOMPARE(v.PiketEFituara(k), k == right ? QStringLiteral("2") : QString());
    }

    // The given letter yellow; the correct one in its point colour, with the points, only if given.
    s.PergjigjetEDhena = v.PergjigjetEDhena;
    s.PiketEFituara = v.PiketEFituara;
    const auto listing = resultListing(s, u'.');
    QCOMPARE(listing.size(), std::size_t(50));
    for (int k : { right, wrong, 1, 50 }) {
        const ListingRow &r = listing[static_cast<std::size_t>(k - 1)];
        const int q = s.Teza(k);
        QString text;
        for (const PrintedPiece &c : r.pieces)
            text += c.text;
        QCOMPARE(text,
            u"Nr.  %1 %2  (P %3 %4)  "_s.arg(
                QString::number(k), v.PergjigjetEDhena(k), QString::number(q), s.PergjigjaESakte(q))
                + (k == right ? u"2 pikë"_s : QString()));
        QVERIFY(r.k == k && r.x == (k <= 25 ? 100 : 350));
        QCOMPARE(r.pieces.size(), std::size_t(k == right ? 7 : 6));
        for (std::size_t i = 0; i < r.pieces.size(); ++i)
            QCOMPARE(r.pieces[i].colour,
                i == 2 ? Colours::Yellow : (i == 4 && k == right ? Colours::Blue : Colours::White));
        QVERIFY(k != right || r.pieces[6].x == 260);
    }
}

void TestRules::spokenTexts()
{
    using namespace Qt::StringLiterals;
    // Letter-spaced captions as words; any other text only trimmed.
    const std::pair<const char *, const char *> unspaced[] = { { "K U J D E S !", "KUJDES!" },
        { "P o   l a r g o h e m ! ", "Po largohem!" }, { " KONFIRMOJ ", "KONFIRMOJ" },
        { "  DUA TE LARGOHEM    E PERFUNDOVA", "DUA TE LARGOHEM    E PERFUNDOVA" },
        { "I dhe II", "I dhe II" }, { "B", "B" } };
    for (const auto &[text, words] : unspaced)
        QCOMPARE(withoutLetterSpacing(QString::fromUtf8(text)), QString::fromUtf8(words));
    QVERIFY(Descriptions::notice(u"Provimi zgjat.\r\r   J U   U R O J M E !"_s)
        == u"Provimi zgjat. JU UROJME!"_s);
}

QTEST_APPLESS_MAIN(TestRules)
#include "tst_rules.moc"
