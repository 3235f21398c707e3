// Confirming answers: the end request, the warnings, the flight, the countdown and activation,
// and the guards that keep the exam sound when events arrive in the middle of a flight.

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
    void flightAndReconfirm();
    void confirmWithoutEffect();
    void clicksAreHeldDuringFlight();
    void timeRunsOutDuringFlight();
    void activationRunsOnce();
    void realBox();
    void descriptions();
};

namespace {
const QColor Marked(0, 192, 0);
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
    Sitting::click(t.answerButton(0));
    t.dialogs.answers = { QMessageBox::No };
    Sitting::click(t.window.CmdKonfirmoj);
    QCOMPARE(t.dialogs.asked.size(), 1);
    const AskedBox &k = t.dialogs.asked[0];
    QCOMPARE(k.title, QStringLiteral("K U J D E S !"));
    QCOMPARE(k.text, QStringLiteral("DO TA PERFUNDONI VERTET PROVIMIN NE KETE MOMENT?"));
    QCOMPARE(k.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(k.defaultButton, QMessageBox::Yes);
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

void TestConfirmation::flightAndReconfirm()
{
    // Answer button 2 flies onto question button 12 at (829, 312) in 199 steps, growing its font
    // towards 14 points, with the question and answer buttons disabled.
    Sitting t;
    const int i = 12;
    t.mark(i, 2);
    const double f0 = t.answerButton(2)->fontSize();
    QList<QRect> places;
    QList<double> fonts;
    bool blocked = true;
    QObject::connect(&t.exam, &Exam::flightStep, [&](int) {
        places << t.answerButton(2)->geometry();
        fonts << t.answerButton(2)->fontSize();
        for (int b = 1; b <= 50; ++b)
            blocked = blocked && !t.question(b)->isEnabled();
        for (int j = 1; j <= 5; ++j)
            blocked = blocked && !t.answerButton(j)->isEnabled();
        blocked = blocked && t.window.CmdKonfirmoj->isEnabled() && t.answerButton(0)->isEnabled();
    });
    Sitting::click(t.window.CmdKonfirmoj);
    QCOMPARE(places.size(), 199);
    QVERIFY(blocked);
    QCOMPARE(places[99], QRect(439, 420, 305, 40)); // halfway at the middle step
    QVERIFY(std::abs(fonts[99] - (f0 + 14) / 2) < 1e-4);
    QCOMPARE(places.last(), QRect(825, 313, 36, 33)); // it never quite arrives
    QCOMPARE(t.question(i)->text(), QStringLiteral("B"));
    QVERIFY(!t.window.close() && t.window.isVisible()); // the exam runs on
    // Back between questions: the answer buttons in their places, blank and usable.
    for (int j = 1; j <= 5; ++j) {
        QCOMPARE(t.answerButton(j)->geometry(), AnswerPlace[j]);
        QCOMPARE(t.answerButton(j)->text(), QString());
        QVERIFY(t.answerButton(j)->isEnabled());
    }
    QCOMPARE(t.answerButton(2)->backColor(), Marked);
    QVERIFY(!t.answerButton(2)->isHidden());
    QVERIFY(!t.window.LblZgjidhniPyTj->isHidden() && t.window.LblNjoftim->isHidden());
    QCOMPARE(t.s().PyetjaEHapur, 0);
    QCOMPARE(t.question(i)->backColor(), Marked);
    QVERIFY(t.question(i)->isEnabled() && !t.exam.isInFlight());
    grabToPng(&t.window, QStringLiteral("after-confirm"));
    // The flown button was raised above everything during the flight.
    QCOMPARE(t.window.children().indexOf(t.answerButton(2)), t.window.children().size() - 1);

    // Re-opened: "B" is marked again, and confirming at once flies button 2 again; then it is
    // replaced by another letter.
    Sitting::click(t.question(i));
    QCOMPARE(t.s().GermaEZgjedhur, QStringLiteral("B"));
    QCOMPARE(t.answerButton(2)->backColor(), Marked);
    places.clear();
    Sitting::click(t.window.CmdKonfirmoj);
    QCOMPARE(places.size(), 199);
    QCOMPARE(t.question(i)->text(), QStringLiteral("B"));
    t.mark(i, 4);
    Sitting::click(t.window.CmdKonfirmoj);
    QCOMPARE(t.question(i)->text(), QStringLiteral("D"));
}

void TestConfirmation::confirmWithoutEffect()
{
    // No flight and no box: with nothing open, a second press after the flight, or the open
    // question's button hidden. With nothing marked, a warning titled with the candidate's
    // name, and nothing else.
    Sitting t;
    int steps = 0;
    QObject::connect(&t.exam, &Exam::flightStep, [&](int) { ++steps; });
    Sitting::click(t.window.CmdKonfirmoj);
    QCOMPARE(steps, 0);
    t.mark(8, 1);
    Sitting::click(t.window.CmdKonfirmoj);
    Sitting::click(t.window.CmdKonfirmoj);
    QCOMPARE(steps, 199);
    QCOMPARE(t.question(8)->text(), QStringLiteral("A"));
    t.mark(10, 3);
    t.question(10)->hide();
    Sitting::click(t.window.CmdKonfirmoj);
    QCOMPARE(steps, 199);
    QCOMPARE(t.question(10)->text(), QStringLiteral("10"));
    QVERIFY(t.dialogs.asked.isEmpty());

    t.window.LblEmriMbiemri->setCaption(QStringLiteral("Arta Hoxha"));
    Sitting::click(t.question(6));
    const auto before = t.view();
    Sitting::click(t.window.CmdKonfirmoj);
    QCOMPARE(steps, 199);
    QCOMPARE(t.dialogs.asked.size(), 1);
    const AskedBox &k = t.dialogs.asked[0];
    QCOMPARE(k.title, QStringLiteral("Arta Hoxha"));
    QCOMPARE(k.text,
        QStringLiteral("JEPNI PERGJIGJEN TUAJ PASTAJ KONFIRMONI, ose ZGJIDHNI PYETJE TJETER"));
    QCOMPARE(k.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(t.s().PyetjaEHapur, 6);
    QCOMPARE(t.view(), before);
}

void TestConfirmation::clicksAreHeldDuringFlight()
{
    // From inside the flight the confirm button and the leave alternative are still enabled,
    // but neither may take over the answer in flight.
    Sitting t;
    t.mark(3, 1);
    int steps = 0;
    bool fromInside = false;
    QObject::connect(&t.exam, &Exam::flightStep, [&](int s) {
        ++steps;
        if (s == 50)
            fromInside = Sitting::click(t.window.CmdKonfirmoj) && Sitting::click(t.answerButton(0));
    });
    Sitting::click(t.window.CmdKonfirmoj);
    QVERIFY(fromInside);
    QCOMPARE(steps, 199); // one flight, not two
    QCOMPARE(t.question(3)->text(), QStringLiteral("A"));
    QCOMPARE(t.s().GermaEZgjedhur, QStringLiteral("A"));
    QCOMPARE(t.s().AlternativaEZgjedhur, 1);
    QVERIFY(t.dialogs.asked.isEmpty());
    QCOMPARE(t.answerButton(0)->geometry(), AnswerPlace[0]);
}

void TestConfirmation::timeRunsOutDuringFlight()
{
    // The answer in flight was confirmed in time: it is recorded and scored, and the closing
    // screen shows nothing of the flight.
    Sitting t;
    const int i = t.positionOf(1); // worth 1 point, correct letter A
    t.mark(i, 1);
    t.setClock(QStringLiteral("0:"), QStringLiteral("00"));
    int steps = 0;
    QObject::connect(&t.exam, &Exam::flightStep, [&](int s) {
        ++steps;
        if (s == 20)
            t.exam.Timer1_Timer();
    });
    Sitting::click(t.window.CmdKonfirmoj);
    QVERIFY(steps < 199);
    QCOMPARE(t.s().PergjigjetEDhena(i), QStringLiteral("A"));
    QCOMPARE(t.s().PiketEGrumbulluara, 1.0);
    const QString fault
        = t.closingFault(QStringLiteral("1.01%"), QStringLiteral("closing-during-flight"));
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    for (int b = 1; b <= 50; ++b)
        QVERIFY(t.question(b)->isEnabled());
}

void TestConfirmation::activationRunsOnce()
{
    // The first activation sets the clock and shows the rules in yellow; a later one, with the
    // clock running, resets nothing.
    Sitting t;
    QVERIFY(t.exam.isActivated());
    QCOMPARE(t.clock(), QStringLiteral("60:00"));
    QVERIFY(!t.window.LblNjoftim->isHidden() && !t.window.LblNjoftim->hasBorder());
    QCOMPARE(t.window.LblNjoftim->foreColor(), QColor(255, 255, 0));
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
    Sitting::click(t.question(1));
    t.exam.Timer1_Timer();
    t.window.hide();
    t.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(&t.window, &activation);
    QCOMPARE(t.clock(), QStringLiteral("59:59"));
    QCOMPARE(t.window.LblNjoftim->caption(), t.s().Pyetja(t.s().Teza(1)));
}

void TestConfirmation::realBox()
{
    // The real box: the exact title and text, no icon, Po and Jo with Po the default, and
    // keys taken only after its first half second.
    FormProvimi window;
    RealDialogs dialogs;
    RealBoxAnswer answer(QMessageBox::No);
    QCOMPARE(dialogs.ask(&window, Texts::CautionTitle, Texts::EndQuestion,
                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes),
        QMessageBox::No);
    QVERIFY2(answer.asked, "no message box opened");
    QCOMPARE(answer.asked->title, QStringLiteral("K U J D E S !"));
    QCOMPARE(
        answer.asked->text, QStringLiteral("DO TA PERFUNDONI VERTET PROVIMIN NE KETE MOMENT?"));
    QCOMPARE(answer.asked->buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(answer.asked->defaultButton, QMessageBox::Yes);
    QVERIFY(!answer.asked->icon);
    QCOMPARE(answer.asked->captions, QStringList({ "Po", "Jo" }));
    QVERIFY(!answer.forced);
}

void TestConfirmation::descriptions()
{
    // What a screen reader hears beside each caption, through the accessibility interface.
    Sitting t;
    auto heard = [](QWidget *w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
    };
    const int k = 12, q = t.s().Teza(k), p = t.s().PikePozitive(q);
    const QString right = t.correctLetter(k);
    const QString pk = QStringLiteral("Pyetja 12, %1 pikë, ").arg(p);
    QCOMPARE(heard(t.question(k)), pk + "e pahapur");
    QCOMPARE(heard(t.answerButton(1)), QString());
    QCOMPARE(heard(t.answerButton(0)), QStringLiteral("Kërkesë për përfundimin e provimit"));
    const int q31 = t.positionOf(31);
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
        QStringLiteral("12"));

    Sitting::click(t.answerButton(right[0].unicode() - 'A' + 1));
    Sitting::click(t.window.CmdKonfirmoj);
    QCOMPARE(heard(t.question(k)), pk + "e lexuar, përgjigja " + right);
    QVERIFY(t.question(k)->hasFocus());

    t.mark(q31, t.wrongLetter(q31)[0].unicode() - 'A' + 1);
    Sitting::click(t.window.CmdKonfirmoj);
    t.close();
    QCOMPARE(heard(t.question(k)),
        QStringLiteral("Pyetja 12 (P %1): përgjigja %2, e sakta %2, %3 pikë")
            .arg(q)
            .arg(right)
            .arg(p));
    QCOMPARE(heard(t.question(q31)),
        QStringLiteral("Pyetja %1 (P 31): përgjigja %2, e sakta %3")
            .arg(q31)
            .arg(t.wrongLetter(q31), t.correctLetter(q31)));
    QCOMPARE(heard(t.question(1)),
        QStringLiteral("Pyetja 1 (P %1): pa përgjigje, e sakta %2")
            .arg(t.s().Teza(1))
            .arg(t.correctLetter(1)));
    QCOMPARE(heard(t.window.LblRezNePerqindje), QStringLiteral("%1 nga 99 pikë").arg(p));
    QVERIFY(t.window.CmdEND->hasFocus());
}

QTEST_MAIN(TestConfirmation)
#include "tst_confirmation.moc"
