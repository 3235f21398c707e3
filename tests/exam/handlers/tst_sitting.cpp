// A sitting on the live window: start-up (the paper on the grid, the frames, the legend, the
// photo and name), opening questions, marking answers, and the closed exam's screen.

#include "base/Units.h"
#include "exam/Texts.h"
#include "exam/handlers/ExamSession.h"
#include "screen/PictureBox.h"
#include "support/Sitting.h"

#include <QLocale>
#include <QTest>
#include <QTime>

class TestSitting final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void paperOnGrid();
    void legendPhotoNameDate();
    void buttonColoursAndClock();
    void questionView();
    void remarkingAnswer_data();
    void remarkingAnswer();
    void closingScreen_data();
    void closingScreen();
    void onlyLeavingAfterClosing_data();
    void onlyLeavingAfterClosing();
};

namespace {
const QColor Open(0, 192, 0), Read(255, 255, 0), Unread(255, 128, 128), White(Qt::white);
// The colours of questions worth 1, 2 and 3 points.
const QColor PointColour[]
    = { Qt::black, QColor(0, 255, 0), QColor(0, 0, 255), QColor(255, 0, 255) };
} // namespace

void TestSitting::paperOnGrid()
{
    // Every button shows its position, never its question number, and is framed exactly 5
    // pixels outside, 2 pixels wide, in the colour of the points of the question behind it.
    Sitting t;
    const QImage img = grabToPng(&t.window, QStringLiteral("after-start"));
    for (int i = 1; i <= 50; ++i) {
        FlatButton *b = t.question(i);
        QVERIFY(b->text() == QString::number(i) && b->backColor() == Unread && !b->isHidden());
        QCOMPARE(b->geometry(), QRect(gridPlace(i), QSize(33, 33)));
        const QRect r = b->geometry();
        const QColor c = PointColour[t.s().PikePozitive(t.s().Teza(i))];
        for (const QPoint p : { r.topLeft() - QPoint(5, 5), r.topLeft() - QPoint(4, 4),
                 r.bottomRight() + QPoint(5, 5), r.bottomRight() + QPoint(4, 4),
                 QPoint(r.center().x(), r.top() - 5), QPoint(r.right() + 5, r.center().y()) })
            QVERIFY2(img.pixelColor(p) == c, qPrintable(QString::number(i)));
        for (const QPoint p : { r.topLeft() - QPoint(6, 6), r.topLeft() - QPoint(3, 3),
                 r.bottomRight() + QPoint(3, 3), r.bottomRight() + QPoint(6, 6) })
            QVERIFY2(img.pixelColor(p) == Qt::black, qPrintable(QString::number(i)));
    }
    QVERIFY(t.question(0)->isHidden() && !t.window.Timer1->isActive());
    // The real seed is the time of day in seconds, so every start draws a paper of its own.
    ExamSession session;
    const double off
        = std::abs(session.exam().seed() - QTime::currentTime().msecsSinceStartOfDay() / 1e3);
    QVERIFY2(std::min(off, 86400 - off) < 0.5, qPrintable(QString::number(off)));
    // Two starts at the same second of the day draw the same paper; another second, another.
    auto paper = [](float seed) {
        Sitting s(seed, false);
        QList<int> l;
        for (int k = 1; k <= 50; ++k)
            l << s.s().Teza(k);
        return l;
    };
    QCOMPARE(paper(5000.25f), paper(5000.25f));
    QVERIFY(paper(5000.25f) != paper(5001.25f));
}

void TestSitting::legendPhotoNameDate()
{
    Sitting t;
    const QImage img = grabWindow(&t.window);
    for (int k = 1; k <= 3; ++k) {
        // A 48 x 43 box in the colour of k points, with "k pikë" printed in its colour from
        // 1.8 pixels in and 10 below its top.
        const QColor c = PointColour[k];
        const int y1 = 250 + 60 * k;
        QCOMPARE(img.pixelColor(675, y1), c);
        QCOMPARE(img.pixelColor(675 + 47, y1 + 42), c);
        QCOMPARE(img.pixelColor(675 + 48, y1 + 43), QColor(Qt::black));
        const QRect inside(677, y1 + 2, 44, 39); // clear of the grid's frames
        QVERIFY2(img.copy(inside)
                == Sitting::printedAlone(
                    inside, { 676.8, y1 + 10.0 }, 12, { QStringLiteral("%1 pikë").arg(k) }, c),
            qPrintable(QString::number(k)));
    }
    // The photo, and 10 below it the name, as wide as one grid row, on blue.
    QCOMPARE(t.window.ImgFoto->geometry(), QRect(850, 10, 93, 131));
    const QRect name = t.window.LblEmriMbiemri->geometry();
    QCOMPARE(name, QRect(780, 151, 231, 25));
    QCOMPARE(t.window.LblEmriMbiemri->caption(), QStringLiteral("Emri Mbiemri"));
    QCOMPARE(img.pixelColor(name.topLeft() + QPoint(3, 2)), QColor(0, 0, 255));
    QCOMPARE(img.pixelColor(name.bottomRight() - QPoint(3, 2)), QColor(0, 0, 255));
    for (int j = 1; j <= 5; ++j)
        QCOMPARE(t.answerButton(j)->text(), QString());
    QCOMPARE(t.window.LblData->caption(),
        QLocale::system().toString(QDate(2026, 12, 7), QLocale::ShortFormat));
}

void TestSitting::buttonColoursAndClock()
{
    // The first question opened starts the countdown and turns the notice white; a later click
    // does not restart the countdown's second.
    Sitting t;
    QCOMPARE(t.window.LblNjoftim->foreColor(), QColor(255, 255, 0));
    Sitting::click(t.question(7));
    QVERIFY(t.window.Timer1->isActive());
    QCOMPARE(t.window.LblNjoftim->foreColor(), White);
    QCOMPARE(t.question(7)->backColor(), Open);
    const int remaining = t.window.Timer1->remainingTime();
    QTRY_VERIFY(t.window.Timer1->remainingTime() < remaining);
    const int later = t.window.Timer1->remainingTime();
    Sitting::click(t.question(3));
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
    const QImage img = grabToPng(&t.window, QStringLiteral("question-open"));
    QCOMPARE(img.pixelColor(t.question(3)->pos() + QPoint(6, 6)), Read);
    // The real timer ticks once a second.
    QTRY_COMPARE_WITH_TIMEOUT(t.clock(), QStringLiteral("59:59"), 2500);
}

void TestSitting::questionView()
{
    // A picture question shows its picture instead of the text, which the label carries all
    // the same; a text question shows its text at 250, in its own size.
    Sitting t;
    auto shown = [&] {
        return QList<bool> { !t.window.PicPyG(31)->isHidden(), !t.window.PicPyG(32)->isHidden(),
            !t.window.LblNjoftim->isHidden() };
    };
    Sitting::click(t.question(t.positionOf(31)));
    QCOMPARE(shown(), QList<bool>({ true, false, false }));
    QCOMPARE(t.window.LblNjoftim->caption(), t.s().Pyetja(31));
    grabToPng(&t.window, QStringLiteral("question-31"));
    Sitting::click(t.question(t.positionOf(32)));
    QCOMPARE(shown(), QList<bool>({ false, true, false }));
    // Its answer confirmed, the picture goes with the question.
    Sitting::click(t.answerButton(2));
    Sitting::click(t.window.CmdKonfirmoj);
    QCOMPARE(shown(), QList<bool>({ false, false, false }));
    Sitting::click(t.question(t.positionOf(1)));
    QCOMPARE(shown(), QList<bool>({ false, false, true }));
    QCOMPARE(t.window.LblNjoftim->y(), 250);
    QCOMPARE(t.window.LblNjoftim->fontSize(), double(t.s().FondSizeP(1)));
    QCOMPARE(t.window.LblNjoftim->caption(), t.s().Pyetja(1));
    for (int j = 1; j <= 5; ++j)
        QVERIFY(!t.answerButton(j)->isHidden() && !t.window.LblGermaEAlt(j)->isHidden());
    // As many answer buttons as alternatives, each with its text, unmarked; the leave
    // alternative and its "0:" keep their own visibility.
    const int k = t.positionOf(20);
    Sitting::click(t.question(k));
    for (int j = 1; j <= 4; ++j) {
        QVERIFY(!t.answerButton(j)->isHidden() && t.answerButton(j)->backColor() == White);
        QCOMPARE(t.answerButton(j)->text(), t.s().Alternativat(20, j));
        QCOMPARE(t.answerButton(j)->fontSize(), double(t.s().FondSizeAlt(20)));
    }
    QVERIFY(t.answerButton(5)->isHidden() && t.window.LblGermaEAlt(5)->isHidden());
    QVERIFY(!t.answerButton(0)->isHidden() && t.window.LblGermaEAlt(0)->isHidden());
    QVERIFY(!t.window.CmdKonfirmoj->isHidden() && t.window.LblZgjidhniPyTj->isHidden());
    // Marking moves the one green mark and records nothing.
    Sitting::click(t.answerButton(2));
    Sitting::click(t.answerButton(4));
    QVERIFY(t.s().GermaEZgjedhur == QStringLiteral("D") && t.s().AlternativaEZgjedhur == 4);
    for (int j = 0; j <= 5; ++j)
        QCOMPARE(t.answerButton(j)->backColor(), j == 4 ? Open : White);
    Sitting::click(t.answerButton(0));
    QCOMPARE(t.s().GermaEZgjedhur, QStringLiteral("0"));
    QVERIFY(t.answerButton(0)->backColor() == Open && t.answerButton(4)->backColor() == White);
    QCOMPARE(t.question(k)->text(), QString::number(k));
}

void TestSitting::remarkingAnswer_data()
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

void TestSitting::remarkingAnswer()
{
    // Re-opening a question marks the letter its button shows, and only that: the leave
    // alternative marked before, its end request answered No, turns white.
    QFETCH(QString, title);
    QFETCH(int, marked);
    Sitting t;
    const int k = t.positionOf(3); // five alternatives
    t.question(k)->setText(title);
    Sitting::click(t.answerButton(0));
    t.dialogs.answers = { QMessageBox::No };
    Sitting::click(t.window.CmdKonfirmoj);
    Sitting::click(t.question(k));
    for (int j = 0; j <= 5; ++j)
        QCOMPARE(t.answerButton(j)->backColor(), marked && j == marked ? Open : White);
    QCOMPARE(t.s().GermaEZgjedhur, marked ? QString(QChar('A' + marked - 1)) : QString());
    QVERIFY(!marked || t.s().AlternativaEZgjedhur == marked);
}

void TestSitting::closingScreen_data()
{
    // Questions answered right and wrong, by question number; the rest unanswered.
    QTest::addColumn<QList<int>>("correct");
    QTest::addColumn<QList<int>>("wrong");
    QTest::addColumn<double>("points");
    QTest::addColumn<QString>("percentage");
    QList<int> all;
    for (int q = 1; q <= 50; ++q)
        all << q;
    QTest::newRow("closing-unanswered") << QList<int>() << QList<int>() << 0.0 << "0%";
    QTest::newRow("closing-all-right") << all << QList<int>() << 99.0 << "100%";
    QTest::newRow("closing-mixed") << QList<int> { 1, 2 } << QList<int> { 30 } << 3.0 << "3.03%";
}

void TestSitting::closingScreen()
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
    // Opened once, a picture question open at closing: yellow on the closed screen, the rest
    // pink. The percentage uses the system's decimal separator.
    const int open = t.positionOf(31);
    Sitting::click(t.question(open));
    t.close();
    percentage.replace(QLatin1Char('.'), QLocale::system().decimalPoint());
    const QString fault = t.closingFault(percentage, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QCOMPARE(t.s().PiketEGrumbulluara, points);
    QVERIFY(
        t.question(open)->backColor() == Read && t.question(open % 50 + 1)->backColor() == Unread);
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
        if (correct.contains(q))
            QVERIFY2(pixelsOf(img, r, PointColour[t.s().PikePozitive(q)]) > 5
                    && pixelsOf(img, pointsColumn, Qt::white) > 10,
                row);
        else
            QVERIFY2(scored == 0 && pixelsOf(img, pointsColumn, Qt::white) == 0, row);
        if (!correct.contains(q) && !wrong.contains(q))
            QVERIFY2(pixelsOf(img, r, Qt::yellow) > 0, row);
    }
}

void TestSitting::onlyLeavingAfterClosing_data()
{
    QTest::addColumn<bool>("byLeaveButton");
    QTest::newRow("leave button") << true;
    QTest::newRow("window closed") << false;
}

void TestSitting::onlyLeavingAfterClosing()
{
    // While the exam runs the window refuses to close. Once closed, clicks, a second closing
    // and the timer change nothing the candidate sees; the leave button, or closing the
    // window, ends the program with status 0.
    QFETCH(bool, byLeaveButton);
    Sitting t;
    Sitting::click(t.question(5));
    QVERIFY(!t.window.close() && t.window.isVisible());
    t.close();
    const auto before = t.view();
    const QString letter = t.s().GermaEZgjedhur;
    for (int i = 1; i <= 50; ++i) {
        Sitting::click(t.question(i));
        QCOMPARE(t.question(i)->text(), QString::number(i));
    }
    t.exam.PerfundoProvimin();
    t.exam.Timer1_Timer();
    QVERIFY(t.question(9)->tag().isEmpty() && !t.window.Timer1->isActive());
    QVERIFY(t.s().PyetjaEHapur == 5 && t.s().GermaEZgjedhur == letter);
    QCOMPARE(t.view(), before);
    QVERIFY(!t.exitCode);
    QVERIFY(byLeaveButton ? Sitting::click(t.window.CmdEND) : t.window.close());
    QCOMPARE(t.exitCode, std::optional<int>(0));
}

QTEST_MAIN(TestSitting)
#include "tst_sitting.moc"
