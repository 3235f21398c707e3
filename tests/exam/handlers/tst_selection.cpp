// Opening questions and marking answers on the live window, and the closed exam's screen.

#include "base/Units.h"
#include "exam/Texts.h"
#include "screen/PictureBox.h"
#include "support/Sitting.h"

#include <QTest>

class TestSelection final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void buttonColoursAndClock();
    void questionView();
    void remarkingAnswer_data();
    void remarkingAnswer();
    void closingScreen_data();
    void closingScreen();
    void onlyLeavingAfterClosing();
};

namespace {
const QColor Open(0, 192, 0), Read(255, 255, 0), Unread(255, 128, 128);
const QColor PointColour[]
    = { Qt::black, QColor(0, 255, 0), QColor(0, 0, 255), QColor(255, 0, 255) };
} // namespace

void TestSelection::buttonColoursAndClock()
{
    Sitting t;
    QCOMPARE(t.window.LblNjoftim->foreColor(), QColor(255, 255, 0));
    Sitting::click(t.question(7));
    // The first question opened starts the countdown and turns the notice white.
    QVERIFY(t.window.Timer1->isActive());
    QCOMPARE(t.window.LblNjoftim->foreColor(), QColor(Qt::white));
    QCOMPARE(t.question(7)->backColor(), Open);
    const int remaining = t.window.Timer1->remainingTime();
    QTRY_VERIFY(t.window.Timer1->remainingTime() < remaining);
    const int later = t.window.Timer1->remainingTime();
    Sitting::click(t.question(3));
    // A later click does not restart the countdown's second.
    QVERIFY(t.window.Timer1->isActive() && t.window.Timer1->remainingTime() <= later);
    QCOMPARE(t.question(7)->backColor(), Read);
    QCOMPARE(t.question(3)->backColor(), Open);
    for (int i = 1; i <= 50; ++i)
        if (i != 7 && i != 3)
            QCOMPARE(t.question(i)->backColor(), Unread);
    // The tag decides, not the colour: a button painted yellow but never opened goes pink.
    t.question(20)->setBackColor(Qt::yellow);
    Sitting::click(t.question(7));
    QCOMPARE(t.question(20)->backColor(), Unread);
    QCOMPARE(t.question(3)->backColor(), Read);
    QCOMPARE(t.question(3)->tag(), Texts::ReadTag);
    QCOMPARE(t.s().PyetjaEHapur, 7);
    const QImage img = grabToPng(&t.window, QStringLiteral("pyetja-e-hapur"));
    QCOMPARE(img.pixelColor(t.question(3)->pos() + QPoint(6, 6)), Read);
    // The real timer ticks once a second.
    QTRY_COMPARE_WITH_TIMEOUT(t.clock(), QStringLiteral("59:59"), 2500);
}

void TestSelection::questionView()
{
    Sitting t;
    // A picture question shows its picture instead of the text, which the label carries all
    // the same; a text question shows its text at 250, in its own size.
    auto shown = [&] {
        return QList<bool> { !t.window.PicPyG(31)->isHidden(), !t.window.PicPyG(32)->isHidden(),
            !t.window.LblNjoftim->isHidden() };
    };
    Sitting::click(t.question(t.positionOf(31)));
    QCOMPARE(shown(), QList<bool>({ true, false, false }));
    QCOMPARE(t.window.LblNjoftim->caption(), t.s().Pyetja(31));
    grabToPng(&t.window, QStringLiteral("pyetja-31"));
    Sitting::click(t.question(t.positionOf(32)));
    QCOMPARE(shown(), QList<bool>({ false, true, false }));
    grabToPng(&t.window, QStringLiteral("pyetja-32"));
    Sitting::click(t.question(t.positionOf(1)));
    QCOMPARE(shown(), QList<bool>({ false, false, true }));
    QCOMPARE(t.window.LblNjoftim->y(), 250);
    QCOMPARE(t.window.LblNjoftim->fontSize(), double(t.s().FondSizeP(1)));
    QCOMPARE(t.window.LblNjoftim->caption(), t.s().Pyetja(1));
    // As many answer buttons as alternatives, each with its text, unmarked.
    for (int j = 1; j <= 5; ++j)
        QVERIFY(!t.answerButton(j)->isHidden() && !t.window.LblGermaEAlt(j)->isHidden());
    Sitting::click(t.question(t.positionOf(20)));
    for (int j = 1; j <= 4; ++j) {
        QVERIFY(!t.answerButton(j)->isHidden());
        QCOMPARE(t.answerButton(j)->text(), t.s().Alternativat(20, j));
        QCOMPARE(t.answerButton(j)->fontSize(), double(t.s().FondSizeAlt(20)));
        QCOMPARE(t.answerButton(j)->backColor(), QColor(Qt::white));
    }
    QVERIFY(t.answerButton(5)->isHidden() && t.window.LblGermaEAlt(5)->isHidden());
    // The leave alternative and its "0:" keep their own visibility.
    QVERIFY(!t.answerButton(0)->isHidden() && t.window.LblGermaEAlt(0)->isHidden());
    QVERIFY(!t.window.CmdKonfirmoj->isHidden() && t.window.LblZgjidhniPyTj->isHidden());

    // Marking moves the one green mark; nothing is recorded by marking.
    Sitting::click(t.answerButton(2));
    Sitting::click(t.answerButton(4));
    QCOMPARE(t.s().GermaEZgjedhur, QStringLiteral("D"));
    QCOMPARE(t.s().AlternativaEZgjedhur, 4);
    for (int j = 0; j <= 5; ++j)
        QCOMPARE(t.answerButton(j)->backColor(), j == 4 ? Open : QColor(Qt::white));
    Sitting::click(t.answerButton(0));
    QCOMPARE(t.s().GermaEZgjedhur, QStringLiteral("0"));
    QCOMPARE(t.answerButton(0)->backColor(), Open);
    QCOMPARE(t.answerButton(4)->backColor(), QColor(Qt::white));
    QCOMPARE(t.question(t.positionOf(20))->text(), QString::number(t.positionOf(20)));
}

void TestSelection::remarkingAnswer_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("marked");
    QTest::newRow("C") << "C" << 3;
    QTest::newRow("A") << "A" << 1;
    QTest::newRow("E") << "E" << 5;
    QTest::newRow("lower case is no letter") << "c" << 0;
    QTest::newRow("two letters") << "CD" << 0;
    QTest::newRow("still its number") << "12" << 0;
    QTest::newRow("zero reads as a number but names nothing") << "0" << 0;
}

void TestSelection::remarkingAnswer()
{
    // Re-opening a question marks the letter its button shows.
    QFETCH(QString, title);
    QFETCH(int, marked);
    Sitting t;
    const int k = t.positionOf(3); // five alternatives
    t.question(k)->setText(title);
    Sitting::click(t.question(k));
    for (int j = 0; j <= 5; ++j)
        QCOMPARE(t.answerButton(j)->backColor(), marked && j == marked ? Open : QColor(Qt::white));
    QCOMPARE(t.s().GermaEZgjedhur, marked ? QString(QChar('A' + marked - 1)) : QString());
    if (marked)
        QCOMPARE(t.s().AlternativaEZgjedhur, marked);
}

void TestSelection::closingScreen_data()
{
    // Questions answered right and wrong, by question number; the rest unanswered.
    QTest::addColumn<QList<int>>("correct");
    QTest::addColumn<QList<int>>("wrong");
    QTest::addColumn<double>("points");
    QTest::addColumn<QString>("percentage");
    QList<int> all;
    for (int q = 1; q <= 50; ++q)
        all << q;
    QTest::newRow("mbyllja-pa-pergjigje") << QList<int>() << QList<int>() << 0.0 << "0%";
    QTest::newRow("mbyllja-te-gjitha-sakte") << all << QList<int>() << 99.0 << "100%";
    QTest::newRow("mbyllja-perzier") << QList<int> { 1, 2 } << QList<int> { 30 } << 3.0 << "3.03%";
}

void TestSelection::closingScreen()
{
    QFETCH(QList<int>, correct);
    QFETCH(QList<int>, wrong);
    QFETCH(double, points);
    QFETCH(QString, percentage);
    Sitting t;
    for (int q : correct)
        t.question(t.positionOf(q))->setText(t.correctLetter(t.positionOf(q)));
    for (int q : wrong)
        t.question(t.positionOf(q))->setText(t.wrongLetter(t.positionOf(q)));
    Sitting::click(t.question(2)); // opened once: yellow on the closed screen, the rest pink
    t.close();
    const QString fault = t.closingFault(percentage, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QCOMPARE(t.s().PiketEGrumbulluara, points);
    QCOMPARE(t.question(2)->backColor(), Read);
    QCOMPARE(t.question(3)->backColor(), Unread);
    // Every row of the listing: a right answer shows the correct letter in its point colour
    // and "p pikë" in the points column; a wrong one neither; an unanswered one its "_" in
    // yellow. Lines follow each other at the unrounded line height; a "_" lies on the last
    // pixel row of its line, which may be the first of the next one.
    const QImage img = grabWindow(&t.window);
    const double h = QFontMetricsF(Units::font(Units::Arial, 14)).height();
    for (int i = 1; i <= 50; ++i) {
        const QByteArray row = QByteArray::number(i);
        const int q = t.s().Teza(i), x = i <= 25 ? 100 : 350, top = int(190 + (i - 1) % 25 * h);
        const QRect r(QPoint(x, top), QPoint(x + 239, int(190 + ((i - 1) % 25 + 1) * h)));
        const QRect pointsColumn(x + 160, top + 1, 80, r.height() - 1); // not the row above
        int scored = 0;
        for (int p = 1; p <= 3; ++p)
            scored += pixelsOf(img, r, PointColour[p]);
        QVERIFY2(pixelsOf(img, r, Qt::white) > 20, row);
        if (correct.contains(q)) {
            QVERIFY2(pixelsOf(img, r, PointColour[t.s().PikePozitive(q)]) > 5, row);
            QVERIFY2(pixelsOf(img, pointsColumn, Qt::white) > 10, row);
        } else {
            QVERIFY2(scored == 0 && pixelsOf(img, pointsColumn, Qt::white) == 0, row);
        }
        if (!correct.contains(q) && !wrong.contains(q))
            QVERIFY2(pixelsOf(img, r, Qt::yellow) > 0, row);
    }
}

void TestSelection::onlyLeavingAfterClosing()
{
    // Once closed, clicks, a second closing and the timer change nothing the candidate sees;
    // only the leave button acts, and ends the program with status 0.
    Sitting t;
    Sitting::click(t.question(5));
    t.close();
    const auto before = t.view();
    const QString letter = t.s().GermaEZgjedhur;
    for (int i = 1; i <= 50; ++i) {
        Sitting::click(t.question(i));
        QCOMPARE(t.question(i)->text(), QString::number(i));
    }
    t.exam.PerfundoProvimin();
    t.exam.Timer1_Timer();
    QCOMPARE(t.question(9)->tag(), QString());
    QCOMPARE(t.s().PyetjaEHapur, 5);
    QCOMPARE(t.s().GermaEZgjedhur, letter);
    QVERIFY(!t.window.Timer1->isActive());
    QCOMPARE(t.view(), before);
    QVERIFY(!t.exitCode);
    QVERIFY(Sitting::click(t.window.CmdEND));
    QCOMPARE(t.exitCode, std::optional<int>(0));
}

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
