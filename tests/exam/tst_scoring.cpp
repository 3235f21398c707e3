// Scoring the paper from the captions of the question buttons, the percentage text, and the
// listing of given against correct answers as data before it is drawn.

#include "exam/DemoBank.h"
#include "exam/ExamState.h"
#include "exam/PaperDraw.h"
#include "exam/RandomGenerator.h"
#include "exam/Scoring.h"

#include <QTest>

#include <map>

class TestScoring final : public QObject
{
    Q_OBJECT

private slots:
    void percentage_data();
    void percentage();
    void pointsByPaper();
    void listingRows();
};

namespace {
const Colour PointColour[] = { Colours::Black, Colours::Green, Colours::Blue, Colours::Magenta };

// A drawn paper with every caption still its number unless `answers` says otherwise.
struct Sheet
{
    ExamState s;
    std::map<int, QString> answers;

    explicit Sheet(float seed = 1234.5f)
    {
        MbushFondinDemo(s);
        RandomGenerator g(seed);
        drawPaper(s, g);
        s.NrPyetjeve = 50;
        for (int p = 1; p <= 3; ++p)
            s.NgjyraPikeve(p) = PointColour[p];
    }
    Scoring evaluate() const
    {
        return computeScoring(s, [this](int k) {
            const auto it = answers.find(k);
            return it == answers.end() ? QString::number(k) : it->second;
        });
    }
    // A position whose question is worth `points` points.
    int positionWith(int points, int count = 1) const
    {
        for (int k = 1; k <= 50; ++k)
            if (s.PikePozitive(s.Teza(k)) == points && --count == 0)
                return k;
        return 0;
    }
    QString wrong(int k) const { return s.PergjigjaESakte(s.Teza(k)) == "A" ? "B" : "A"; }
};
} // namespace

void TestScoring::percentage_data()
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

void TestScoring::percentage()
{
    QFETCH(double, points);
    QFETCH(int, maximum);
    QFETCH(QString, text);
    const double p = ::percentage(points, static_cast<std::int16_t>(maximum));
    QCOMPARE(percentageText(p, QLatin1Char('.')), text);
    QString withComma = text;
    withComma.replace('.', ',');
    QCOMPARE(percentageText(p, QLatin1Char(',')), withComma);
}

void TestScoring::pointsByPaper()
{
    // A right answer earns the points of the question behind its button, Teza(k), not those of
    // question k; a wrong letter, a letter in lower case and no answer earn nothing.
    Sheet l;
    int e2 = 0;
    for (int k = 1; k <= 50 && !e2; ++k)
        if (l.s.PikePozitive(l.s.Teza(k)) == 2 && l.s.PikePozitive(k) != 2)
            e2 = k;
    const int e3 = l.positionWith(3), e1 = l.positionWith(1);
    QVERIFY(e2 != 0);
    l.answers[e3] = l.wrong(e3);
    l.answers[e2] = l.s.PergjigjaESakte(l.s.Teza(e2));
    l.answers[e1] = QStringLiteral("a");
    const Scoring v = l.evaluate();
    QCOMPARE(v.PiketEGrumbulluara, 2.0);
    QCOMPARE(int(v.PiketMaksimale), 99);
    QCOMPARE(v.PiketEFituara(e2), QStringLiteral("2"));
    QCOMPARE(v.PergjigjetEDhena(e2), l.answers[e2]);
    QCOMPARE(v.PergjigjetEDhena(e3), l.wrong(e3));
    QCOMPARE(v.PiketEFituara(e3), QString());
    QCOMPARE(v.PergjigjetEDhena(e1), QStringLiteral("a"));
    QCOMPARE(v.PiketEFituara(e1), QString());
    for (int k = 1; k <= 50; ++k)
        if (k != e1 && k != e2 && k != e3)
            QCOMPARE(v.PergjigjetEDhena(k), QStringLiteral("_"));
    QCOMPARE(percentageText(::percentage(v.PiketEGrumbulluara, v.PiketMaksimale), '.'),
        QStringLiteral("2.02%"));
}

void TestScoring::listingRows()
{
    // A row as printed, piece after piece: the given letter always yellow, the correct one in
    // its point colour only when it was given, and then the points in their own column. Right
    // in the left column, wrong in the right column, unanswered in both.
    Sheet l;
    const int right = 7, wrong = 30;
    l.answers[right] = l.s.PergjigjaESakte(l.s.Teza(right));
    l.answers[wrong] = l.wrong(wrong);
    const Scoring v = l.evaluate();
    l.s.PergjigjetEDhena = v.PergjigjetEDhena;
    l.s.PiketEFituara = v.PiketEFituara;
    const auto listing = resultListing(l.s, QLatin1Char('.'));
    QCOMPARE(listing.size(), std::size_t(50));
    for (int k : { right, wrong, 1, 25, 26, 50 }) {
        const ListingRow &r = listing[static_cast<std::size_t>(k - 1)];
        const int q = l.s.Teza(k);
        const bool scored = k == right;
        QString awaited = QStringLiteral("Nr.  %1 %2  (P %3 %4)  ")
                              .arg(k)
                              .arg(l.answers.count(k) ? l.answers[k] : QStringLiteral("_"))
                              .arg(q)
                              .arg(l.s.PergjigjaESakte(q));
        if (scored)
            awaited += QStringLiteral("%1 pikë").arg(l.s.PikePozitive(q));
        QString text;
        for (const PrintedPiece &c : r.pieces)
            text += c.text;
        QCOMPARE(text, awaited);
        QCOMPARE(r.k, k);
        QCOMPARE(r.x, k <= 25 ? 100 : 350);
        QCOMPARE(r.pieces.size(), std::size_t(scored ? 7 : 6));
        for (std::size_t i = 0; i < r.pieces.size(); ++i)
            QCOMPARE(r.pieces[i].colour,
                i == 2 ? Colours::Yellow
                       : (i == 4 && scored ? PointColour[l.s.PikePozitive(q)] : Colours::White));
        if (scored)
            QCOMPARE(r.pieces[6].x, std::optional<int>(k <= 25 ? 260 : 510));
    }
}

QTEST_APPLESS_MAIN(TestScoring)
#include "tst_scoring.moc"
