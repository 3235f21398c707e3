// A sitting on the live window: start-up, opening questions, marking answers, and the closed
// exam's screen.

#include "base/Units.h"
#include "exam/handlers/ExamSession.h"
#include "support/Sitting.h"

#include <QLocale>
#include <QTest>
#include <QTime>

class TestSitting final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void startUp();
    void openingAndMarking();
    void closingScreen();
    void drawnAtScreenResolution();
};

namespace {
const QColor Open(0, 192, 0), Read(255, 255, 0), Unread(255, 128, 128), White(Qt::white);
// The colours of questions worth 1, 2 and 3 points.
const QColor PointColour[]
    = { Qt::black, QColor(0, 255, 0), QColor(0, 0, 255), QColor(255, 0, 255) };
} // namespace

void TestSitting::startUp()
{
    // Each button shows its position, framed 5 pixels outside, 2 wide, in its question's colour.
    Sitting t;
    const QImage img = grabToPng(&t.window, QStringLiteral("after-start"));
    for (int i = 1; i <= 50; ++i) {
        FlatButton *b = t.question(i);
        QVERIFY(b->text() == QString::number(i) && b->backColor() == Unread && !b->isHidden());
        const QRect r = b->geometry();
        QCOMPARE(r, QRect(gridPlace(i), QSize(33, 33)));
        const QColor c = PointColour[t.s().PikePozitive(t.s().Teza(i))];
        for (int d = 3; d <= 6; ++d)
            for (const QPoint p : { r.topLeft() - QPoint(d, d), r.bottomRight() + QPoint(d, d),
                     QPoint(r.center().x(), r.top() - d), QPoint(r.right() + d, r.center().y()) })
                QVERIFY2(img.pixelColor(p) == (d == 4 || d == 5 ? c : QColor(Qt::black)),
                    qPrintable(QString::number(i)));
    }
    QVERIFY(t.question(0)->isHidden() && !t.window.Timer1->isActive());
    // The legend: a 48 x 43 box in the colour of k points, "k pikë" inside, 10 below its top.
    for (int k = 1; k <= 3; ++k) {
        const int y1 = 250 + 60 * k;
        QCOMPARE(img.pixelColor(675, y1), PointColour[k]);
        QCOMPARE(img.pixelColor(675 + 47, y1 + 42), PointColour[k]);
        QCOMPARE(img.pixelColor(675 + 48, y1 + 43), QColor(Qt::black));
        const QRect inside(677, y1 + 2, 44, 39); // clear of the grid's frames
        QVERIFY(img.copy(inside)
            == Sitting::printedAlone(inside, { 676.8, y1 + 10.0 }, 12,
                { QStringLiteral("%1 pikë").arg(k) }, PointColour[k]));
    }
    // The photo, and 10 below it the name, as wide as one grid row; blank answers.
    QCOMPARE(t.window.ImgFoto->geometry(), QRect(850, 10, 93, 131));
    QCOMPARE(t.window.LblEmriMbiemri->geometry(), QRect(780, 151, 231, 25));
    for (int j = 1; j <= 5; ++j)
        QCOMPARE(t.answerButton(j)->text(), QString());
    QCOMPARE(t.window.LblData->caption(),
        QLocale::system().toString(QDate(2026, 12, 7), QLocale::ShortFormat));
    // The real seed is the time of day in seconds; the same second draws the same paper.
    ExamSession session;
    const double off
        = std::abs(session.exam().seed() - QTime::currentTime().msecsSinceStartOfDay() / 1e3);
    QVERIFY2(std::min(off, 86400 - off) < 0.5, qPrintable(QString::number(off)));
    const auto paper = Sitting(5000.25f, false).view(); // the grid's frames show the paper
    QVERIFY(Sitting(5000.25f, false).view() == paper && Sitting(5001.25f, false).view() != paper);
}

void TestSitting::openingAndMarking()
{
    // The first question opened starts the countdown and turns the notice white. A picture
    // question shows its picture instead of the text, which the label carries all the same.
    Sitting t;
    auto shown = [&] {
        return QList<bool> { !t.window.PicPyG(31)->isHidden(), !t.window.PicPyG(32)->isHidden(),
            !t.window.LblNjoftim->isHidden() };
    };
    const int p31 = t.positionOf(31), p32 = t.positionOf(32), k = t.positionOf(20);
    QCOMPARE(t.window.LblNjoftim->foreColor(), QColor(255, 255, 0));
    Sitting::click(t.question(p31));
    QVERIFY(t.window.Timer1->isActive());
    QCOMPARE(t.window.LblNjoftim->foreColor(), White);
    QCOMPARE(shown(), QList<bool>({ true, false, false }));
    QCOMPARE(t.window.LblNjoftim->caption(), t.s().Pyetja(31));
    grabToPng(&t.window, QStringLiteral("question-31"));
    QTRY_COMPARE_WITH_TIMEOUT(t.clock(), QStringLiteral("59:59"), 2500);
    // A later click does not restart the countdown's second.
    QTest::qWait(50);
    const int later = t.window.Timer1->remainingTime();
    Sitting::click(t.question(p32));
    QVERIFY(t.window.Timer1->isActive() && t.window.Timer1->remainingTime() <= later);
    QCOMPARE(shown(), QList<bool>({ false, true, false }));
    for (int i = 1; i <= 50; ++i)
        QCOMPARE(t.question(i)->backColor(), i == p31 ? Read : i == p32 ? Open : Unread);
    // Its answer confirmed, the picture goes with the question.
    Sitting::click(t.answerButton(2));
    Sitting::click(t.window.CmdKonfirmoj);
    QCOMPARE(shown(), QList<bool>({ false, false, false }));
    // A text question shows its text at 250, in its own size. The tag, not the colour, decides.
    t.question(k)->setBackColor(Qt::yellow);
    Sitting::click(t.question(t.positionOf(1)));
    QCOMPARE(t.question(k)->backColor(), Unread);
    QCOMPARE(shown(), QList<bool>({ false, false, true }));
    QCOMPARE(t.window.LblNjoftim->y(), 250);
    QCOMPARE(t.window.LblNjoftim->fontSize(), double(t.s().FondSizeP(1)));
    QCOMPARE(t.window.LblNjoftim->caption(), t.s().Pyetja(1));
    QVERIFY(!t.answerButton(5)->isHidden() && !t.window.LblGermaEAlt(5)->isHidden());
    // As many answer buttons as alternatives, with their texts; "0:" stays hidden.
    Sitting::click(t.question(k));
    for (int j = 1; j <= 4; ++j) {
        QVERIFY(!t.answerButton(j)->isHidden() && !t.window.LblGermaEAlt(j)->isHidden());
        QCOMPARE(t.answerButton(j)->backColor(), White);
        QCOMPARE(t.answerButton(j)->text(), t.s().Alternativat(20, j));
        QCOMPARE(t.answerButton(j)->fontSize(), double(t.s().FondSizeAlt(20)));
    }
    QVERIFY(t.answerButton(5)->isHidden() && t.window.LblGermaEAlt(5)->isHidden());
    QVERIFY(!t.answerButton(0)->isHidden() && t.window.LblGermaEAlt(0)->isHidden());
    QVERIFY(!t.window.CmdKonfirmoj->isHidden() && t.window.LblZgjidhniPyTj->isHidden());
    // Marking moves the one green mark (the letter recorded: tst_confirmation).
    Sitting::click(t.answerButton(2));
    Sitting::click(t.answerButton(4));
    for (int j = 0; j <= 5; ++j)
        QCOMPARE(t.answerButton(j)->backColor(), j == 4 ? Open : White);
}

void TestSitting::closingScreen()
{
    // Questions 1 and 2 answered right, 30 wrong, the rest unanswered. (Closing with nothing
    // answered: tst_confirmation.)
    const QList<int> correct { 1, 2 }, wrong { 30 };
    Sitting t;
    for (int q : correct)
        t.question(t.positionOf(q))->setText(t.correctLetter(t.positionOf(q)));
    for (int q : wrong)
        t.question(t.positionOf(q))->setText(t.wrongLetter(t.positionOf(q)));
    // The question open at closing is yellow on the closed screen; the system's decimal point.
    const int open = t.positionOf(31);
    Sitting::click(t.question(open));
    t.close();
    const QString percentage
        = QStringLiteral("3.03%").replace(u'.', QLocale::system().decimalPoint());
    const QString fault = t.closingFault(percentage, QStringLiteral("closing"));
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QVERIFY(
        t.question(open)->backColor() == Read && t.question(open % 50 + 1)->backColor() == Unread);
    // The listing, at the unrounded line height: only a right answer shows its point colour, an
    // unanswered one a yellow "_" (which may touch the next line).
    const QImage img = grabWindow(&t.window);
    const double h = QFontMetricsF(Units::font(Units::Arial, 14)).height();
    for (int i = 1; i <= 50; ++i) {
        const int q = t.s().Teza(i), x = i <= 25 ? 100 : 350, top = int(190 + (i - 1) % 25 * h);
        const QRect r(QPoint(x, top), QPoint(x + 239, int(190 + ((i - 1) % 25 + 1) * h)));
        const int scored = pixelsOf(img, r, PointColour[t.s().PikePozitive(q)]);
        QVERIFY2(correct.contains(q) ? scored > 5 : scored == 0, QByteArray::number(i));
        QVERIFY(correct.contains(q) || wrong.contains(q) || pixelsOf(img, r, Qt::yellow) > 0);
    }
    // A second closing or a late tick changes nothing (clicks after it, and closing the window:
    // tst_storm); the leave button ends with status 0.
    const auto before = t.view();
    const QString letter = t.s().GermaEZgjedhur;
    t.exam.PerfundoProvimin();
    t.exam.Timer1_Timer();
    QVERIFY(!t.window.Timer1->isActive() && t.s().PyetjaEHapur == open);
    QCOMPARE(t.s().GermaEZgjedhur, letter);
    QCOMPARE(t.view(), before);
    QVERIFY(!t.exitCode);
    QVERIFY(Sitting::click(t.window.CmdEND));
    QCOMPARE(t.exitCode, std::optional<int>(0));
}

void TestSitting::drawnAtScreenResolution()
{
    // The closing screen at the screen's pixels per window pixel (2 in the tst_sitting_scale_2
    // run): the exam's drawing at that resolution, in the same place as at one to one.
    Sitting t(31415.5f, false);
    t.window.resize(1280, 1024); // at 2 the screen is too small for the layout
    t.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    t.close();
    const int d = qRound(t.window.devicePixelRatio());
    const QImage img = grabToPng(&t.window, QStringLiteral("closing-scale-%1").arg(d));
    QCOMPARE(img.size(), d * QSize(1280, 1024));
    // The result's heading: exact colours at one to one; at 2 smoothed glyphs, not 2 x 2 blocks.
    const QRgb black = qRgb(0, 0, 0);
    int partly = 0, unevenBlocks = 0;
    for (int y = 135 * d; y < 155 * d; y += d)
        for (int x = 0; x < 600 * d; x += d) {
            const QRgb c = img.pixel(x, y);
            partly += c != black && c != qRgb(255, 255, 255);
            unevenBlocks += d > 1 && (img.pixel(x + 1, y + 1) != c || img.pixel(x + 1, y) != c);
        }
    QVERIFY2(d == 1 ? partly == 0 : partly > 50 && unevenBlocks > 50,
        qPrintable(QStringLiteral("%1 smoothed, %2 uneven").arg(partly).arg(unevenBlocks)));
    // Left of question button 1 (moved at closing): its 2-pixel frame, 8 black pixels.
    const QPoint b = d * (t.question(1)->pos() + QPoint(0, 16));
    const QRgb frame = img.pixel(b.x() - 10 * d, b.y());
    QVERIFY(frame != black && img.pixel(b) != black);
    for (int x = -10 * d - 1; x < 0; ++x)
        QCOMPARE(img.pixel(b.x() + x, b.y()), x >= -10 * d && x < -8 * d ? frame : black);
}

QTEST_MAIN(TestSitting)
#include "tst_sitting.moc"
