// Confirming answers: the end request, the flight and events in it, activation, what a screen
// reader hears, and time running out in a flight.

#include "exam/Texts.h"
#include "support/Sitting.h"

#include <QAccessible>
#include <QTest>

using namespace Qt::StringLiterals;

class TestConfirmation final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void endRequest();
    void flight();
    void sitting();
};

namespace {
const QColor Marked(0, 192, 0);
const AskedBox EndBox { u"K U J D E S !"_s, u"DO TA PERFUNDONI VERTET PROVIMIN NE KETE MOMENT?"_s,
    QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, false, {} };
} // namespace

void TestConfirmation::endRequest()
{
    // Before any question is opened: No changes nothing; time running out under the box, the Yes
    // that follows must not close the exam a second time. The real box: Po and Jo, no icon.
    Sitting t;
    RealBoxAnswer answer(QMessageBox::No);
    QCOMPARE(RealDialogs().ask(&t.window, Texts::CautionTitle, Texts::EndQuestion, EndBox.buttons,
                 EndBox.defaultButton),
        QMessageBox::No);
    QVERIFY2(answer.asked && !answer.forced, "no message box opened, or it took no key");
    QCOMPARE(answer.asked->captions, QStringList({ "Po", "Jo" }));
    answer.asked->captions.clear();
    QCOMPARE(*answer.asked, EndBox);
    Sitting::click(t.answerButton(0));
    t.dialogs.answers = { QMessageBox::No };
    Sitting::click(t.window.CmdKonfirmoj);
    QCOMPARE(t.dialogs.asked, QList<AskedBox>({ EndBox }));
    QVERIFY(!t.exam.isClosed() && !t.window.Timer1->isActive());
    QCOMPARE(t.s().GermaEZgjedhur, u"0"_s);
    QCOMPARE(t.answerButton(0)->backColor(), Marked);
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
    const QString fault = t.closingFault(u"0%"_s, u"closing-by-request"_s);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QCOMPARE(t.question(1)->pos(), place);
    QCOMPARE(t.clock(), u"0:00"_s);
}

void TestConfirmation::flight()
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
    QVERIFY(t.answerButton(2)->backColor() == Marked && !t.answerButton(2)->isHidden());
    QVERIFY(!t.window.LblZgjidhniPyTj->isHidden() && t.window.LblNjoftim->isHidden());
    QVERIFY(t.s().PyetjaEHapur == 0 && t.question(i)->backColor() == Marked);
    QVERIFY(t.question(i)->isEnabled() && !t.exam.isInFlight());
    grabToPng(&t.window, u"after-confirm"_s);
    // Raised above everything for its flight.
    QCOMPARE(t.window.children().indexOf(t.answerButton(2)), t.window.children().size() - 1);
    // Re-opened, its confirmed letter is marked again.
    Sitting::click(t.question(i));
    QCOMPARE(t.answerButton(2)->backColor(), Marked);
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

void TestConfirmation::sitting()
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
    // The rules word for word, paragraph by paragraph: a typo anywhere shows.
    QCOMPARE(t.window.LblNjoftim->caption().split(u"\r\r"_s),
        QStringList({ u"Zgjidhni pyetjen duke klikuar mbi numrin përkatës. Lexojeni me kujdes atë "
                      "dhe klikoni alternativën që mendoni se është përgjigja e saktë. Përgjigja "
                      "konsiderohet e dhënë vetëm pasi të klikoni edhe mbi butonin KONFIRMOJ."_s,
            u"Çdo pyetje mund ta riktheni për shqyrtim dhe të jepni, po të doni, një përgjigje "
            "tjetër. Përgjigje definitive konsiderohet përgjigja e fundit."_s,
            u"Pyetjet janë zgjedhur në mënyrë të rastësishme nga kompjuteri dhe janë të njëjta "
            "për të gjithë pjesëmarrësit, por renditja e tyre është e ndryshme."_s,
            u"Provimi zgjat 60 minuta duke filluar nga momenti që njofton administratori. "_s,
            u"Në se deklaroni përfundimin e provimit dhe e KONFIRMONI atë, ju nuk mund të "
            "riktheheni për të vazhduar edhe pse koha mund të mos ketë skaduar."_s,
            QString(38, u' ') + u"J U   U R O J M E   S U K S E S ! "_s }));
    grabToPng(&t.window, u"notice"_s);
    const int k = t.positionOf(1), q31 = t.positionOf(31); // question 1: 1 point, right answer A
    const QString pk = u"Pyetja %1, 1 pikë, "_s.arg(k);
    QCOMPARE(heard(t.question(k)), pk + "e pahapur");
    QCOMPARE(heard(t.answerButton(1)), QString());
    QCOMPARE(heard(t.answerButton(0)), u"Kërkesë për përfundimin e provimit"_s);
    QCOMPARE(heard(t.window.PicPyG(31)), t.s().Pyetja(31));
    Sitting::click(t.question(q31));
    t.mark(k, 3);
    QCOMPARE(heard(t.question(k)), pk + "e hapur");
    QVERIFY(heard(t.question(q31)).endsWith(u", e lexuar"_s));
    QCOMPARE(heard(t.answerButton(3)), u"Alternativa C, e zgjedhur"_s);
    QCOMPARE(heard(t.answerButton(2)), u"Alternativa B"_s);
    // The name stays the caption.
    QCOMPARE(QAccessible::queryAccessibleInterface(t.question(k))->text(QAccessible::Name),
        QString::number(k));

    const QString wrong = t.wrongLetter(q31);
    t.mark(q31, wrong[0].unicode() - 'A' + 1);
    Sitting::click(t.window.CmdKonfirmoj);
    QCOMPARE(heard(t.question(q31)),
        u"Pyetja %1, %2 pikë, e lexuar, përgjigja %3"_s.arg(
            QString::number(q31), QString::number(t.s().PikePozitive(31)), wrong));
    QVERIFY(t.question(q31)->hasFocus());
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
    const QString fault = t.closingFault(u"1.01%"_s, u"closing-during-flight"_s);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
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
    QVERIFY(t.window.CmdEND->hasFocus());
    // Hidden, resized and activated again: the listing stands, nothing is reset, and the clock
    // stays stopped.
    const QImage closed = grabWindow(&t.window);
    t.window.hide();
    t.window.resize(t.window.size() + QSize(1, 1));
    t.window.show();
    t.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&t.window));
    const QRect listing(0, 130, 600, 560);
    QCOMPARE(grabWindow(&t.window).copy(listing), closed.copy(listing));
    QVERIFY(t.clock() == u"0:00"_s && !t.window.Timer1->isActive());
    QVERIFY(t.window.LblNjoftim->isHidden() && t.s().ProvimiPerfundoi == FlagYes);
}

QTEST_MAIN(TestConfirmation)
#include "tst_confirmation.moc"
