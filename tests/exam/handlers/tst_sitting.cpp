// A sitting on the live window: start-up, opening questions and marking answers, confirming
// them (the flight and events in it, the end request), the keyboard alone, what a screen reader
// hears, what the record of the sitting is told, and the closed exam's screen.

#include "base/Units.h"
#include "support/Keys.h"
#include "support/Sitting.h"

#include <QAccessible>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSitting final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void startUp();
    void openingAndMarking();
    void endRequest();
    void flight();
    void keyboard_data();
    void keyboard();
    void wholeSitting();
    void closingScreen();
    void drawnAtScreenResolution();
    void zoomedSitting();
    void saidWherever();
    void announcedForTheRecord();
};

namespace {
const QColor Open(0, 192, 0), Read(255, 255, 0), Unread(255, 128, 128), White(Qt::white);
// The colours of questions worth 1, 2 and 3 points.
const QColor PointColour[]
    = { Qt::black, QColor(0, 255, 0), QColor(0, 0, 255), QColor(255, 0, 255) };
const AskedBox EndBox { u"K U J D E S !"_s, u"DO TA PERFUNDONI VERTET PROVIMIN NE KETE MOMENT?"_s,
    QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, false, {} };
// What the candidate sees: the open question, the marked alternatives, the focus, what question
// button 1 reads, the result, the program's end.
QString seen(Sitting &t)
{
    QStringList s;
    for (int k = 1; k <= 50; ++k)
        if (t.question(k)->backColor() == Open)
            s << u"open %1"_s.arg(k);
    for (int j = 0; j <= 5; ++j)
        if (t.answerButton(j)->backColor() == Open && !t.answerButton(j)->isHidden())
            s << u"marked "_s + (j ? QChar(u'A' + j - 1) : u'0');
    s << u"focus "_s + t.window.focusWidget()->objectName();
    s << u"1 reads "_s + t.question(1)->text();
    if (!t.window.LblRezNePerqindje->isHidden())
        s << u"result"_s;
    if (t.exitCode)
        s << u"ended %1"_s.arg(*t.exitCode);
    return s.join(u", "_s);
}
} // namespace

void TestSitting::startUp()
{
    // Each button shows its position, framed 5 pixels outside, 2 wide, in its question's colour.
    Sitting t;
    const QImage img = grabToPng(&t.window, u"after-start"_s);
    for (int i = 1; i <= 50; ++i) {
        FlatButton *b = t.question(i);
        QVERIFY(b->text() == QString::number(i) && b->backColor() == Unread && !b->isHidden());
        const QRect r = b->geometry();
        QCOMPARE(r, QRect(gridPlace(i), QSize(33, 33)));
        const QColor c = PointColour[t.s().PikePozitive(t.s().Teza(i))];
        for (int d = 3; d <= 6; ++d)
            for (const QPoint p : { r.topLeft() - QPoint(d, d), r.bottomRight() + QPoint(d, d),
                     QPoint(r.center().x(), r.top() - d), QPoint(r.right() + d, r.center().y()),
                     QPoint(r.center().x(), r.bottom() + d), QPoint(r.left() - d, r.center().y()) })
                QVERIFY2(img.pixelColor(p) == (d == 4 || d == 5 ? c : QColor(Qt::black)),
                    qPrintable(QString::number(i)));
    }
    QVERIFY(t.question(0)->isHidden() && !t.window.Timer1->isActive());
    // The rules in paragraphs apart by an empty line. The sixth, the farewell, falls below the
    // label's design height (18 lines of 20 pixels in 321) and is cut, as in the design.
    const TextLabel *n = t.window.LblNjoftim;
    const int gap = QFontMetrics(n->font()).height() / 2;
    int paragraphs = 0;
    for (int y = n->y(), empty = gap; y <= n->geometry().bottom(); ++y) {
        const bool ink = pixelsOf(img, QRect(n->x(), y, n->width(), 1), Qt::black) < n->width();
        paragraphs += ink && empty >= gap;
        empty = ink ? 0 : empty + 1;
    }
    QCOMPARE(paragraphs, 5);
    // The legend: a 48 x 43 box in the colour of k points, "k pikë" inside, 10 below its top.
    for (int k = 1; k <= 3; ++k) {
        const int y1 = 250 + 60 * k;
        QCOMPARE(img.pixelColor(675, y1), PointColour[k]);
        QCOMPARE(img.pixelColor(675 + 47, y1 + 42), PointColour[k]);
        QCOMPARE(img.pixelColor(675 + 48, y1 + 43), QColor(Qt::black));
        const QRect inside(677, y1 + 2, 44, 39); // clear of the grid's frames
        QVERIFY(img.copy(inside)
            == Sitting::printedAlone(
                inside, { 676.8, y1 + 10.0 }, 12, { u"%1 pikë"_s.arg(k) }, PointColour[k]));
    }
    // The photo, and 10 below it the name, as wide as one grid row; blank answers.
    QCOMPARE(t.window.ImgFoto->geometry(), QRect(850, 10, 93, 131));
    QCOMPARE(t.window.LblEmriMbiemri->geometry(), QRect(780, 151, 231, 25));
    for (int j = 1; j <= 5; ++j)
        QCOMPARE(t.answerButton(j)->text(), QString());
    QCOMPARE(t.window.LblData->caption(),
        QLocale::system().toString(QDate(2026, 12, 7), QLocale::ShortFormat));
    // The same seed draws the same paper, another seed another.
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
    grabToPng(&t.window, u"question-31"_s);
    QTRY_COMPARE_WITH_TIMEOUT(t.clock(), u"59:59"_s, 2500);
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
    // Marking moves the one green mark (the letter recorded: flight).
    Sitting::click(t.answerButton(2));
    Sitting::click(t.answerButton(4));
    for (int j = 0; j <= 5; ++j)
        QCOMPARE(t.answerButton(j)->backColor(), j == 4 ? Open : White);
}

void TestSitting::endRequest()
{
    // Before any question is opened: No changes nothing; time running out under the box, the Yes
    // that follows must not close the exam a second time.
    Sitting t;
    Sitting::click(t.answerButton(0));
    t.dialogs.answers = { QMessageBox::No };
    Sitting::click(t.window.CmdKonfirmoj);
    QCOMPARE(t.dialogs.asked, QList<AskedBox>({ EndBox }));
    QVERIFY(t.exam.phase() != Phase::Closed && !t.window.Timer1->isActive());
    QCOMPARE(t.s().GermaEZgjedhur, u"0"_s);
    QCOMPARE(t.answerButton(0)->backColor(), Open);
    t.setClock(u"0:"_s, u"01"_s);
    QPoint place;
    t.dialogs.during = [&] {
        t.exam.Timer1_Timer();
        t.exam.Timer1_Timer();
        place = t.question(1)->pos();
    };
    t.dialogs.answers = { QMessageBox::Yes };
    Sitting::click(t.window.CmdKonfirmoj);
    QCOMPARE(t.dialogs.asked.size(), 2);
    QCOMPARE(t.closingFault(u"0%"_s, u"closing-by-request"_s), QString());
    QCOMPARE(t.question(1)->pos(), place);
    QCOMPARE(t.clock(), u"0:00"_s);
}

void TestSitting::flight()
{
    // Answer button 2 flies onto question button 12 in 199 steps, the other buttons disabled;
    // confirm and leave, clicked mid-flight, must not take it over.
    Sitting t;
    const int i = 12;
    QList<QRect> homes; // the answer buttons' places, to which every flight returns them
    for (int j = 0; j <= 5; ++j)
        homes << t.answerButton(j)->geometry();
    QList<QRect> places; // of answer button 2 at every step of every flight
    bool blocked = true, fromInside = false;
    QObject::connect(&t.exam, &Exam::flightStep, [&](int step) {
        places << t.answerButton(2)->geometry();
        for (int b = 1; b <= 50; ++b)
            blocked = blocked && !t.question(b)->isEnabled()
                && (b > 5 || !t.answerButton(b)->isEnabled());
        if (step == 50)
            fromInside = Sitting::click(t.window.CmdKonfirmoj) && Sitting::click(t.answerButton(0));
    });
    Sitting::click(t.window.CmdKonfirmoj); // nothing open: no flight, no box
    t.mark(i, 2);
    Sitting::click(t.window.CmdKonfirmoj);
    QVERIFY(blocked && fromInside);
    QCOMPARE(places.size(), 199); // one flight, not two
    QCOMPARE(places[99], QRect(439, 420, 305, 40)); // halfway at the middle step
    QCOMPARE(places.last(), QRect(825, 313, 36, 33)); // it never quite arrives
    QVERIFY(t.question(i)->text() == u"B"_s && t.s().GermaEZgjedhur == u"B"_s);
    QVERIFY(!t.window.close() && t.window.isVisible()); // the exam runs on
    for (int j = 0; j <= 5; ++j) { // back in place, blank and usable
        QCOMPARE(t.answerButton(j)->geometry(), homes[j]);
        QVERIFY(t.answerButton(j)->isEnabled() && (j == 0 || t.answerButton(j)->text().isEmpty()));
    }
    QVERIFY(t.answerButton(2)->backColor() == Open && !t.answerButton(2)->isHidden());
    QVERIFY(!t.window.LblZgjidhniPyTj->isHidden() && t.window.LblNjoftim->isHidden());
    QVERIFY(t.s().PyetjaEHapur == 0 && t.question(i)->backColor() == Open);
    QVERIFY(t.question(i)->isEnabled() && t.exam.phase() != Phase::AnswerInFlight);
    grabToPng(&t.window, u"after-confirm"_s);
    // Raised above everything for its flight.
    QCOMPARE(t.window.children().indexOf(t.answerButton(2)), t.window.children().size() - 1);
    // Re-opened, its confirmed letter is marked again.
    Sitting::click(t.question(i));
    QCOMPARE(t.answerButton(2)->backColor(), Open);
    // No flight with the open question's button hidden.
    t.mark(10, 3);
    t.question(10)->hide();
    Sitting::click(t.window.CmdKonfirmoj);
    QCOMPARE(t.question(10)->text(), u"10"_s);
    QVERIFY(t.dialogs.asked.isEmpty());
    // Opening a question unmarks the leave alternative; with nothing marked, a warning titled
    // with the candidate's name, and nothing else.
    t.window.LblEmriMbiemri->setCaption(u"Arta Hoxha"_s);
    Sitting::click(t.answerButton(0));
    Sitting::click(t.question(6));
    QCOMPARE(t.answerButton(0)->backColor(), QColor(Qt::white));
    const auto before = t.view();
    Sitting::click(t.window.CmdKonfirmoj);
    QCOMPARE(places.size(), 199);
    QCOMPARE(t.dialogs.asked,
        QList<AskedBox>({ { u"Arta Hoxha"_s,
            u"JEPNI PERGJIGJEN TUAJ PASTAJ KONFIRMONI, ose ZGJIDHNI PYETJE TJETER"_s,
            QMessageBox::Ok, QMessageBox::Ok, false, {} } }));
    QCOMPARE(t.s().PyetjaEHapur, 6);
    QCOMPARE(t.view(), before);
}

void TestSitting::keyboard_data()
{
    // The paper puts a question of four alternatives behind button 1; the focus starts there.
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("seen");
    const QString q1 = u"focus CmdZgjidhPyetjen(1)"_s, k = u"focus CmdKonfirmoj"_s;
    QTest::newRow("Return opens the focused question")
        << u"Return"_s << u"open 1, "_s + q1 + u", 1 reads 1"_s;
    QTest::newRow("a letter marks and hands on to KONFIRMOJ")
        << u"Return B"_s << u"open 1, marked B, "_s + k + u", 1 reads 1"_s;
    QTest::newRow("Return confirms; the focus returns to the question")
        << u"Return B Return"_s << u"open 1, marked B, "_s + q1 + u", 1 reads B"_s;
    QTest::newRow("Space presses as Return does")
        << u"Space C Space"_s << u"open 1, marked C, "_s + q1 + u", 1 reads C"_s;
    QTest::newRow("a letter with no question open") << u"B"_s << q1 + u", 1 reads 1"_s;
    QTest::newRow("E where there are four alternatives")
        << u"Return E Return"_s << u"open 1, "_s + q1 + u", 1 reads 1"_s;
    QTest::newRow("arrows within the grid, held at its edges")
        << u"Up Left Right Down Return"_s << u"open 7, focus CmdZgjidhPyetjen(7), 1 reads 1"_s;
    QTest::newRow("Tab from the open question goes on to its answers")
        << u"Right Return Tab Tab"_s << u"open 2, focus CmdAlternativa(2), 1 reads 1"_s;
    QTest::newRow("Tab through the question buttons")
        << u"Tab Tab Return"_s << u"open 3, focus CmdZgjidhPyetjen(3), 1 reads 1"_s;
    QTest::newRow("Shift+Tab back to the shown alternatives")
        << u"Return Shift+Tab Shift+Tab Shift+Tab Space"_s
        << u"open 1, marked D, "_s + k + u", 1 reads 1"_s;
    QTest::newRow("a held Return marks and confirms nothing")
        << u"Return Shift+Tab Shift+Tab Shift+Tab Return Return* Return*"_s
        << u"open 1, marked D, "_s + k + u", 1 reads 1"_s;
    QTest::newRow("Alt with Return or a letter does nothing")
        << u"Return Shift+Tab Shift+Tab Shift+Tab Alt+Return Alt+B"_s
        << u"open 1, focus CmdAlternativa(4), 1 reads 1"_s;
    QTest::newRow("the end request; the leave button is the only stop left")
        << u"Shift+Tab Shift+Tab Space Return Tab Shift+Tab"_s
        << u"focus CmdEND, 1 reads 1, result"_s;
    QTest::newRow("Space on the leave button ends the program")
        << u"Shift+Tab Shift+Tab Space Return Tab Space"_s
        << u"focus CmdEND, 1 reads 1, result, ended 0"_s;
}

void TestSitting::keyboard()
{
    QFETCH(QString, keys);
    Sitting t;
    QCOMPARE(t.s().NrAlternativave(t.s().Teza(1)), 4);
    for (const QString &key : keys.split(u' ', Qt::SkipEmptyParts))
        sendKey(t.window.windowHandle(), key);
    QTEST(seen(t), "seen");
}

void TestSitting::wholeSitting()
{
    // One sitting to its end: what a screen reader hears; time running out in a flight, whose
    // answer is still recorded and scored; a later activation resets nothing.
    Sitting t;
    auto heard = [](QWidget *w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
    };
    QVERIFY(t.exam.isActivated());
    QCOMPARE(t.clock(), u"60:00"_s);
    QVERIFY(!t.window.LblNjoftim->isHidden() && !t.window.LblNjoftim->hasBorder());
    const int k = t.positionOf(1), q31 = t.positionOf(31); // question 1: 1 point, right answer A
    const QString pk = u"Pyetja %1, 1 pikë, "_s.arg(k);
    QCOMPARE(heard(t.question(k)), pk + "e pahapur");
    QCOMPARE(heard(t.answerButton(1)), QString());
    QCOMPARE(heard(t.answerButton(0)), u"Kërkesë për përfundimin e provimit"_s);
    QCOMPARE(QAccessible::queryAccessibleInterface(t.window.PicPyG(31))->text(QAccessible::Name),
        t.s().Pyetja(31));
    Sitting::click(t.question(q31));
    t.mark(k, 3);
    QCOMPARE(heard(t.question(k)), pk + "e hapur");
    // The question left behind is read, no longer open.
    QCOMPARE(heard(t.question(q31)),
        u"Pyetja %1, %2 pikë, e lexuar"_s.arg(q31).arg(t.s().PikePozitive(31)));
    QCOMPARE(heard(t.answerButton(3)), u"Alternativa C, e zgjedhur"_s);
    // The name stays the caption.
    QCOMPARE(QAccessible::queryAccessibleInterface(t.question(k))->text(QAccessible::Name),
        QString::number(k));

    const QString wrong = t.wrongLetter(q31);
    t.mark(q31, wrong[0].unicode() - 'A' + 1);
    Sitting::click(t.window.CmdKonfirmoj);
    QCOMPARE(heard(t.question(q31)),
        u"Pyetja %1, %2 pikë, e lexuar, përgjigja %3"_s.arg(
            QString::number(q31), QString::number(t.s().PikePozitive(31)), wrong));
    t.mark(k, 1);
    t.setClock(u"0:"_s, u"00"_s);
    int steps = 0;
    QObject::connect(&t.exam, &Exam::flightStep, [&](int) {
        if (++steps == 20)
            t.exam.Timer1_Timer();
    });
    Sitting::click(t.window.CmdKonfirmoj);
    QVERIFY(steps < 199);
    QVERIFY(t.s().PergjigjetEDhena(k) == u"A"_s && t.s().PiketEGrumbulluara == 1.0);
    QCOMPARE(t.closingFault(u"1.01%"_s, u"closing-during-flight"_s), QString());
    for (int b = 1; b <= 50; ++b)
        QVERIFY(t.question(b)->isEnabled());
    QCOMPARE(heard(t.question(k)), u"Pyetja %1 (P 1): përgjigja A, e sakta A, 1 pikë"_s.arg(k));
    QCOMPARE(heard(t.question(q31)),
        u"Pyetja %1 (P 31): përgjigja %2, e sakta %3"_s.arg(
            QString::number(q31), wrong, t.correctLetter(q31)));
    const int u = k != 1 && q31 != 1 ? 1 : k != 2 && q31 != 2 ? 2 : 3; // unanswered
    QCOMPARE(heard(t.question(u)),
        u"Pyetja %1 (P %2): pa përgjigje, e sakta %3"_s.arg(
            QString::number(u), QString::number(t.s().Teza(u)), t.correctLetter(u)));
    QCOMPARE(heard(t.window.LblRezNePerqindje), u"1 nga 99 pikë"_s);
    // Hidden, resized and activated again: the listing stands, nothing resets, the clock stays.
    const QImage closed = grabWindow(&t.window);
    t.window.hide();
    t.window.resize(t.window.size() + QSize(1, 1));
    t.window.show();
    t.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&t.window));
    const QRect listing(0, 130, 600, 560);
    QCOMPARE(grabWindow(&t.window).copy(listing), closed.copy(listing));
    QVERIFY(t.clock() == u"0:00"_s && !t.window.Timer1->isActive());
    QVERIFY(t.window.LblNjoftim->isHidden() && t.s().ProvimiPerfundoi() == FlagYes);
}

void TestSitting::closingScreen()
{
    // Questions 1 and 2 answered right, 30 wrong, the rest unanswered (none: endRequest).
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
    const QString percentage = u"3.03%"_s.replace(u'.', QLocale::system().decimalPoint());
    const QString screen = percentage.contains(u',') ? u"closing-decimal-comma"_s : u"closing"_s;
    QCOMPARE(t.closingFault(percentage, screen), QString());
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
    const QImage img = grabToPng(&t.window, u"closing-scale-%1"_s.arg(d));
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
        qPrintable(u"%1 smoothed, %2 uneven"_s.arg(partly).arg(unevenBlocks)));
    // Left of question button 1 (moved at closing): its 2-pixel frame, 8 black pixels.
    const QPoint b = d * (t.question(1)->pos() + QPoint(0, 16));
    const QRgb frame = img.pixel(b.x() - 10 * d, b.y());
    QVERIFY(frame != black && img.pixel(b) != black);
    for (int x = -10 * d - 1; x < 0; ++x)
        QCOMPARE(img.pixel(b.x() + x, b.y()), x >= -10 * d && x < -8 * d ? frame : black);
}

void TestSitting::zoomedSitting()
{
    // At a zoom the exam works in the design's pixels: the layout it reads at start-up, the
    // answer buttons it puts back after a flight, the question buttons it moves at closing, and
    // the frames it draws around them, which stand around the zoomed buttons on the window.
    Sitting t(31415.5f, true, 0.78);
    t.window.setCentred(true);
    QCOMPARE(t.s().GjeresiaButonit, 33.0f);
    QVERIFY(t.s().AltLeft(2) == 48 && t.s().AltTop(2) == 528 && t.s().AltWidth(2) == 577);
    const QRect answerB = t.answerButton(2)->geometry();
    t.mark(1, 2);
    QVERIFY(Sitting::click(t.window.CmdKonfirmoj));
    QCOMPARE(t.question(1)->text(), u"B"_s);
    QCOMPARE(t.answerButton(2)->designGeometry(), QRect(48, 528, 577, 47));
    QCOMPARE(t.answerButton(2)->geometry(), answerB);
    t.close();
    const QImage img = grabToPng(&t.window, u"closing-zoom-0.78"_s);
    for (int i = 1; i <= 50; ++i) {
        QCOMPARE(t.question(i)->designGeometry().topLeft(), gridPlace(i) + QPoint(5, 5));
        // Left of the moved button: black, then the frame's side 8 to 10 design pixels away.
        const QRect b = t.question(i)->geometry();
        int gap = 1;
        while (gap < 12 && img.pixelColor(b.left() - gap, b.center().y()) == Qt::black)
            ++gap;
        QVERIFY2(gap >= 6 && gap <= 8, qPrintable(u"%1: %2"_s.arg(i).arg(gap)));
    }
}

void TestSitting::saidWherever()
{
    // Said to a screen reader wherever the focus is: the time left on K and, unasked, at 10 and
    // at 1 minute, in a notification nobody sees. An answer button without a caption is no stop
    // for the keyboard.
    Sitting t;
    const auto widgets = t.window.findChildren<QWidget *>();
    const auto said = std::find_if(widgets.begin(), widgets.end(), [](QWidget *w) {
        return QAccessible::queryAccessibleInterface(w)->role() == QAccessible::Notification;
    });
    QVERIFY(said != widgets.end() && (*said)->size().isEmpty());
    auto tickFrom = [&](const QString &min, const QString &sec) {
        t.setClock(min, sec);
        t.exam.Timer1_Timer();
        return (*said)->accessibleName();
    };
    Sitting::click(t.question(t.positionOf(20))); // four alternatives
    for (int j = 1; j <= 5; ++j)
        QCOMPARE(t.answerButton(j)->focusPolicy(), j <= 4 ? Qt::StrongFocus : Qt::NoFocus);
    QCOMPARE(tickFrom(u"10:"_s, u"01"_s), u"Koha e mbetur: 10 minuta"_s);
    QCOMPARE(tickFrom(u"2:"_s, u"00"_s), u"Koha e mbetur: 10 minuta"_s);
    QCOMPARE(tickFrom(u"1:"_s, u"01"_s), u"Koha e mbetur: 1 minutë"_s);
    QVERIFY((*said)->isVisible());
    t.setClock(u"7:"_s, u"05"_s);
    QTest::keyClick(&t.window, Qt::Key_K);
    QCOMPARE((*said)->accessibleName(), u"Koha e mbetur: 7 minuta e 5 sekonda"_s);
    // Confirmed, the answers are blank again.
    Sitting::click(t.answerButton(1));
    Sitting::click(t.window.CmdKonfirmoj);
    for (int j = 1; j <= 5; ++j)
        QCOMPARE(t.answerButton(j)->focusPolicy(), Qt::NoFocus);
}

void TestSitting::announcedForTheRecord()
{
    // Each question opened, each answer before its button shows it (so that the record of the
    // sitting holds it when the candidate sees it recorded), the clock, and how the exam closed.
    Sitting t;
    QSignalSpy opened(&t.exam, &Exam::questionOpened), ticked(&t.exam, &Exam::clockTicked),
        closed(&t.exam, &Exam::closed);
    QString captionWhenAnnounced;
    QObject::connect(&t.exam, &Exam::answerConfirmed, [&](int k, const QString &letter, int left) {
        captionWhenAnnounced = u"%1 %2 %3 %4"_s.arg(t.question(k)->text(), letter).arg(left).arg(k);
    });
    t.mark(7, 2);
    QCOMPARE(opened.takeFirst(), QVariantList({ 7, 3600 }));
    t.setClock(u"42:"_s, u"10"_s);
    Sitting::click(t.window.CmdKonfirmoj);
    QCOMPARE(captionWhenAnnounced, u"7 B 2530 7"_s);
    t.exam.Timer1_Timer();
    QCOMPARE(ticked.takeFirst(), QVariantList { 2529 });
    t.close();
    QCOMPARE(closed.takeFirst().value(0).value<Exam::Ending>(), Exam::Ending::Leave);
    Sitting u;
    QSignalSpy timeUp(&u.exam, &Exam::closed);
    Sitting::click(u.question(1));
    u.setClock(u"0:"_s, u"00"_s);
    u.exam.Timer1_Timer();
    QCOMPARE(timeUp.takeFirst().value(0).value<Exam::Ending>(), Exam::Ending::TimeUp);
}

QTEST_MAIN(TestSitting)
#include "tst_sitting.moc"
