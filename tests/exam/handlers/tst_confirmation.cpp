// Confirming answers: the end request, the warnings, the flight, the countdown and activation,
// and the guards that keep the exam sound when events arrive in the middle of a flight.

#include "exam/Texts.h"
#include "support/Sitting.h"

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
        = t.closingFault(QStringLiteral("0%"), QStringLiteral("mbyllja-me-kerkese"));
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
    grabToPng(&t.window, QStringLiteral("pas-konfirmimit"));
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
        = t.closingFault(QStringLiteral("1.01%"), QStringLiteral("mbyllja-gjate-fluturimit"));
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
    const QString notice = t.window.LblNjoftim->caption();
    QCOMPARE(notice.count(QStringLiteral("\r\r")), 5);
    QVERIFY(notice.startsWith(QStringLiteral("Zgjidhni pyetjen duke klikuar")));
    QVERIFY(notice.endsWith(
        QString(38, QLatin1Char(' ')) + QStringLiteral("J U   U R O J M E   S U K S E S ! ")));
    grabToPng(&t.window, QStringLiteral("njoftimi"));
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
    // The real box: the exact title and text, no icon, Yes and No with Yes the default.
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
}

QTEST_MAIN(TestConfirmation)
#include "tst_confirmation.moc"
