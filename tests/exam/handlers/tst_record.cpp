// What the exam tells the record of a sitting, and a sitting resumed from it: the answer is
// announced before its button shows it; a resumed sitting shows what it had and runs its clock
// from the time left, or closes at once when none is left.

#include "exam/Scoring.h"
#include "support/Sitting.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class TestRecord final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void announced();
    void resumed();
    void resumedPastTheTime();
};

namespace {
const QColor Read(255, 255, 0), Unread(255, 128, 128);
}

void TestRecord::announced()
{
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
    QCOMPARE(t.question(7)->text(), u"B"_s);
    t.exam.Timer1_Timer();
    QCOMPARE(ticked.takeFirst(), QVariantList { 2529 });
    // The candidate's end, then the time's end of another sitting.
    t.close();
    QCOMPARE(closed.takeFirst().value(0).value<Exam::Ending>(), Exam::Ending::Leave);
    Sitting u;
    QSignalSpy timeUp(&u.exam, &Exam::closed);
    Sitting::click(u.question(1));
    u.setClock(u"0:"_s, u"00"_s);
    u.exam.Timer1_Timer();
    QCOMPARE(timeUp.takeFirst().value(0).value<Exam::Ending>(), Exam::Ending::TimeUp);
}

void TestRecord::resumed()
{
    // Opened 3 and 9, answered 5: they are yellow, the others pink, 5 shows its letter; the
    // clock runs on from 20:34 and the first activation keeps it; nothing is open.
    Sitting t(31415.5f, false);
    const QString letter = t.correctLetter(5);
    t.exam.resume({ 3, 9 }, { { 5, letter } }, 1234);
    t.window.showCoveringScreen();
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    QTRY_VERIFY(t.exam.isActivated());
    QCOMPARE(t.clock(), u"20:34"_s);
    QVERIFY(t.window.Timer1->isActive() && t.exam.phase() == Phase::Running);
    for (int k = 1; k <= 50; ++k) {
        QCOMPARE(t.question(k)->backColor(), k == 3 || k == 5 || k == 9 ? Read : Unread);
        QCOMPARE(t.question(k)->text(), k == 5 ? letter : QString::number(k));
    }
    QVERIFY(t.window.LblNjoftim->isHidden() && !t.window.LblZgjidhniPyTj->isHidden());
    grabToPng(&t.window, u"resumed"_s);
    QCOMPARE(t.s().PyetjaEHapur, 0);
    // Re-opened, the answer is marked again.
    Sitting::click(t.question(5));
    QCOMPARE(t.s().GermaEZgjedhur, letter);
    QCOMPARE(t.clock(), u"20:34"_s);
}

void TestRecord::resumedPastTheTime()
{
    // No time left: closed before it is shown, scoring the answer that was confirmed.
    Sitting t(31415.5f, false);
    QSignalSpy closed(&t.exam, &Exam::closed);
    const int k = t.positionOf(1);
    t.exam.resume({}, { { k, t.correctLetter(k) } }, 0);
    QCOMPARE(closed.takeFirst().value(0).value<Exam::Ending>(), Exam::Ending::ResumedPastTime);
    QCOMPARE(t.s().PiketEGrumbulluara, t.s().PikePozitive(1));
    QCOMPARE(t.clock(), u"0:00"_s);
    const double p = percentage(t.s().PikePozitive(1), 99); // the demonstration paper's 99
    QCOMPARE(t.closingFault(percentageText(p, u'.'), u"resumed-past-time"_s), QString());
}

QTEST_MAIN(TestRecord)

#include "tst_record.moc"
