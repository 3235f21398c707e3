// Confirming answers: the end request, the warnings, the flight and events arriving in the middle
// of it, the real box, activation, what a screen reader hears, and time running out in a flight.

#include "exam/Texts.h"
#include "support/Sitting.h"

#include <QAccessible>
#include <QTest>

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
const AskedBox EndBox { QStringLiteral("K U J D E S !"),
    QStringLiteral("DO TA PERFUNDONI VERTET PROVIMIN NE KETE MOMENT?"),
    QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, false, {} };
// The answer buttons' places, to which they return after every flight.
const QRect AnswerPlace[] = { { 640, 688, 121, 57 }, { 48, 472, 577, 49 }, { 48, 528, 577, 47 },
    { 48, 584, 577, 47 }, { 48, 640, 577, 47 }, { 48, 696, 577, 47 } };
} // namespace

void TestConfirmation::endRequest()
{
    // The end request works before any question is opened: No changes nothing and it is asked
    // again on the next press. Ticks run under the open box; time runs out there, and the Yes
    // that follows must not close the exam a second time.
    Sitting t;
    // The real box: no icon, Po and Jo with Po the default, keys taken after its first half second.
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
    QCOMPARE(t.s().GermaEZgjedhur, QStringLiteral("0"));
    QCOMPARE(t.answerButton(0)->backColor(), Marked);
    t.setClock(QStringLiteral("0:"), QStringLiteral("01"));
    QPoint place;
    t.dialogs.during = [&] {
        t.exam.Timer1_Timer();
        t.exam.Timer1_Timer();
        place = t.question(1)->pos();
    };
    t.dialogs.answers = { QMessageBox::Yes };
    Sitting::click(t.window.CmdKonfirmoj);
    QCOMPARE(t.dialogs.asked.size(), 2);
    const QString fault
        = t.closingFault(QStringLiteral("0%"), QStringLiteral("closing-by-request"));
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QCOMPARE(t.question(1)->pos(), place);
    QCOMPARE(t.clock(), QStringLiteral("0:00"));
}

void TestConfirmation::flight()
{
    // Answer button 2 flies onto question button 12 at (829, 312) in 199 steps, growing its font
    // towards 14 points, with the question and answer buttons disabled. The confirm button and
    // the leave alternative stay enabled, but clicked mid-flight neither may take it over.
    Sitting t;
    const int i = 12;
    QList<QRect> places; // of answer button 2 at every step of every flight
    QList<double> fonts;
    bool blocked = true, fromInside = false;
    QObject::connect(&t.exam, &Exam::flightStep, [&](int step) {
        places << t.answerButton(2)->geometry();
        fonts << t.answerButton(2)->fontSize();
        for (int b = 1; b <= 50; ++b)
            blocked = blocked && !t.question(b)->isEnabled();
        for (int j = 1; j <= 5; ++j)
            blocked = blocked && !t.answerButton(j)->isEnabled();
        if (step == 50)
            fromInside = Sitting::click(t.window.CmdKonfirmoj) && Sitting::click(t.answerButton(0));
    });
    Sitting::click(t.window.CmdKonfirmoj); // nothing open: no flight, no box
    t.mark(i, 2);
    const double f0 = t.answerButton(2)->fontSize();
    Sitting::click(t.window.CmdKonfirmoj);
    QVERIFY(blocked && fromInside);
    QCOMPARE(places.size(), 199); // one flight, not two
    QCOMPARE(places[99], QRect(439, 420, 305, 40)); // halfway at the middle step
    QVERIFY(std::abs(fonts[99] - (f0 + 14) / 2) < 1e-4);
    QCOMPARE(places.last(), QRect(825, 313, 36, 33)); // it never quite arrives
    QCOMPARE(t.question(i)->text(), QStringLiteral("B"));
    QCOMPARE(t.s().GermaEZgjedhur, QStringLiteral("B"));
    QCOMPARE(t.s().AlternativaEZgjedhur, 2);
    QVERIFY(!t.window.close() && t.window.isVisible()); // the exam runs on
    // Back between questions: the answer buttons in their places, blank and usable.
    for (int j = 0; j <= 5; ++j) {
        QCOMPARE(t.answerButton(j)->geometry(), AnswerPlace[j]);
        QVERIFY(t.answerButton(j)->isEnabled() && (j == 0 || t.answerButton(j)->text().isEmpty()));
    }
    QVERIFY(t.answerButton(2)->backColor() == Marked && !t.answerButton(2)->isHidden());
    QVERIFY(!t.window.LblZgjidhniPyTj->isHidden() && t.window.LblNjoftim->isHidden());
    QCOMPARE(t.s().PyetjaEHapur, 0);
    QCOMPARE(t.question(i)->backColor(), Marked);
    QVERIFY(t.question(i)->isEnabled() && !t.exam.isInFlight());
    grabToPng(&t.window, QStringLiteral("after-confirm"));
    // The flown button was raised above everything during the flight.
    QCOMPARE(t.window.children().indexOf(t.answerButton(2)), t.window.children().size() - 1);

    // A second press after the flight flies nothing; re-opened, B is marked again and flies at
    // once; then it is replaced by another letter.
    Sitting::click(t.window.CmdKonfirmoj);
    QCOMPARE(places.size(), 199);
    Sitting::click(t.question(i));
    Sitting::click(t.window.CmdKonfirmoj);
    QCOMPARE(places.size(), 2 * 199);
    t.mark(i, 4);
    Sitting::click(t.window.CmdKonfirmoj);
    QCOMPARE(t.question(i)->text(), QStringLiteral("D"));
    // No flight with the open question's button hidden.
    t.mark(10, 3);
    t.question(10)->hide();
    Sitting::click(t.window.CmdKonfirmoj);
    QCOMPARE(t.question(10)->text(), QStringLiteral("10"));
    QVERIFY(t.dialogs.asked.isEmpty());
    // With nothing marked, a warning titled with the candidate's name, and nothing else.
    t.window.LblEmriMbiemri->setCaption(QStringLiteral("Arta Hoxha"));
    Sitting::click(t.question(6));
    const auto before = t.view();
    Sitting::click(t.window.CmdKonfirmoj);
    QCOMPARE(places.size(), 3 * 199);
    QCOMPARE(t.dialogs.asked,
        QList<AskedBox>({ { QStringLiteral("Arta Hoxha"),
            QStringLiteral("JEPNI PERGJIGJEN TUAJ PASTAJ KONFIRMONI, ose ZGJIDHNI PYETJE TJETER"),
            QMessageBox::Ok, QMessageBox::Ok, false, {} } }));
    QCOMPARE(t.s().PyetjaEHapur, 6);
    QCOMPARE(t.view(), before);
}

void TestConfirmation::sitting()
{
    // One sitting to its end: the first activation sets the clock and shows the rules, a later
    // one (here after the closing) resets nothing; what a screen reader hears beside each caption,
    // through the accessibility interface; and time running out in a flight, whose answer was
    // confirmed in time, so it is recorded and scored, and the closing screen shows nothing of the
    // flight.
    Sitting t;
    auto heard = [](QWidget *w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
    };
    QVERIFY(t.exam.isActivated());
    QCOMPARE(t.clock(), QStringLiteral("60:00"));
    QVERIFY(!t.window.LblNjoftim->isHidden() && !t.window.LblNjoftim->hasBorder());
    QCOMPARE(t.window.LblNjoftim->caption().split(QStringLiteral("\r\r")),
        QStringList({ "Zgjidhni pyetjen duke klikuar mbi numrin përkatës. Lexojeni me kujdes atë "
                      "dhe klikoni alternativën që mendoni se është përgjigja e saktë. Përgjigja "
                      "konsiderohet e dhënë vetëm pasi të klikoni edhe mbi butonin KONFIRMOJ.",
            "Çdo pyetje mund ta riktheni për shqyrtim dhe të jepni, po të doni, një përgjigje "
            "tjetër. Përgjigje definitive konsiderohet përgjigja e fundit.",
            "Pyetjet janë zgjedhur në mënyrë të rastësishme nga kompjuteri dhe janë të njëjta "
            "për të gjithë pjesëmarrësit, por renditja e tyre është e ndryshme.",
            "Provimi zgjat 60 minuta duke filluar nga momenti që njofton administratori. ",
            "Në se deklaroni përfundimin e provimit dhe e KONFIRMONI atë, ju nuk mund të "
            "riktheheni për të vazhduar edhe pse koha mund të mos ketë skaduar.",
            QString(38, ' ') + "J U   U R O J M E   S U K S E S ! " }));
    grabToPng(&t.window, QStringLiteral("notice"));
    const int k = t.positionOf(1), q31 = t.positionOf(31); // question 1: 1 point, right answer A
    const QString pk = QStringLiteral("Pyetja %1, 1 pikë, ").arg(k);
    QCOMPARE(heard(t.question(k)), pk + "e pahapur");
    QCOMPARE(heard(t.answerButton(1)), QString());
    QCOMPARE(heard(t.answerButton(0)), QStringLiteral("Kërkesë për përfundimin e provimit"));
    QCOMPARE(heard(t.window.PicPyG(31)), t.s().Pyetja(31));
    QVERIFY(heard(t.window.PicPyG(31)).size() > 20);

    Sitting::click(t.question(q31));

    t.mark(k, 3);
    QCOMPARE(heard(t.question(k)), pk + "e hapur");
    QVERIFY(heard(t.question(q31)).endsWith(QStringLiteral(", e lexuar")));
    QCOMPARE(heard(t.answerButton(3)), QStringLiteral("Alternativa C, e zgjedhur"));
    QCOMPARE(heard(t.answerButton(2)), QStringLiteral("Alternativa B"));
    // The name stays the caption.
    QCOMPARE(QAccessible::queryAccessibleInterface(t.question(k))->text(QAccessible::Name),
        QString::number(k));

    const QString wrong = t.wrongLetter(q31);
    t.mark(q31, wrong[0].unicode() - 'A' + 1);
    Sitting::click(t.window.CmdKonfirmoj);
    QCOMPARE(heard(t.question(q31)),
        QStringLiteral("Pyetja %1, %2 pikë, e lexuar, përgjigja %3")
            .arg(QString::number(q31), QString::number(t.s().PikePozitive(31)), wrong));
    QVERIFY(t.question(q31)->hasFocus());

    t.mark(k, 1);
    t.setClock(QStringLiteral("0:"), QStringLiteral("00"));
    int steps = 0;
    QObject::connect(&t.exam, &Exam::flightStep, [&](int) {
        if (++steps == 20)
            t.exam.Timer1_Timer();
    });
    Sitting::click(t.window.CmdKonfirmoj);
    QVERIFY(steps < 199);
    QCOMPARE(t.s().PergjigjetEDhena(k), QStringLiteral("A"));
    QCOMPARE(t.s().PiketEGrumbulluara, 1.0);
    const QString fault
        = t.closingFault(QStringLiteral("1.01%"), QStringLiteral("closing-during-flight"));
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    for (int b = 1; b <= 50; ++b)
        QVERIFY(t.question(b)->isEnabled());
    QCOMPARE(heard(t.question(k)),
        QStringLiteral("Pyetja %1 (P 1): përgjigja A, e sakta A, 1 pikë").arg(k));
    QCOMPARE(heard(t.question(q31)),
        QStringLiteral("Pyetja %1 (P 31): përgjigja %2, e sakta %3")
            .arg(QString::number(q31), wrong, t.correctLetter(q31)));
    int u = 1; // an unanswered position
    while (u == k || u == q31)
        ++u;
    QCOMPARE(heard(t.question(u)),
        QStringLiteral("Pyetja %1 (P %2): pa përgjigje, e sakta %3")
            .arg(QString::number(u), QString::number(t.s().Teza(u)), t.correctLetter(u)));
    QCOMPARE(heard(t.window.LblRezNePerqindje), QStringLiteral("1 nga 99 pikë"));
    QVERIFY(t.window.CmdEND->hasFocus());
    // Activated again: nothing is reset, and the clock stays stopped.
    t.window.hide();
    t.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(&t.window, &activation);
    QVERIFY(t.clock() == QStringLiteral("0:00") && !t.window.Timer1->isActive());
    QVERIFY(t.window.LblNjoftim->isHidden() && t.s().ProvimiPerfundoi == FlagYes);
}

QTEST_MAIN(TestConfirmation)
#include "tst_confirmation.moc"
