// Confirming answers: the end request, the warnings, the flight, the countdown and activation,
// and the guards that keep the exam sound when events arrive in the middle of a flight.

#include "Grab.h"
#include "Sitja.h"
#include "Tekstet.h"

#include <QTest>
#include <QTimer>

class TestKonfirmimi final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void kerkesaPerFund();
    void fluturimiDheRikonfirmimi();
    void konfirmimiPaEfekt();
    void gjateFluturimitKlikimetMbahen();
    void kohaMbaronGjateFluturimit();
    void kohaMbaronMeKutineHapur();
    void aktivizimiVetemNjeHere();
    void mbyllja();
    void kutiteEVerteta();
};

void TestKonfirmimi::kerkesaPerFund()
{
    // The end request works before any question is opened: No changes nothing and it is asked
    // again on the next press; Yes closes the exam with the clock never started.
    Sitja t;
    Sitja::kliko(t.alt(0));
    t.dialogs.pergjigjet = { QMessageBox::No };
    Sitja::kliko(t.forma.CmdKonfirmoj);
    QCOMPARE(t.dialogs.pyetura.size(), 1);
    const auto &k = t.dialogs.pyetura[0];
    QCOMPARE(k.titulli, QStringLiteral("K U J D E S !"));
    QCOMPARE(k.teksti, QStringLiteral("DO TA PERFUNDONI VERTET PROVIMIN NE KETE MOMENT?"));
    QCOMPARE(k.butonat, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(k.parazgjedhur, QMessageBox::Yes);
    QVERIFY(!t.provimi.mbyllja());
    QCOMPARE(t.s().GermaEZgjedhur, QStringLiteral("0"));
    QCOMPARE(t.alt(0)->backColor(), QColor(0, 192, 0));
    t.dialogs.pergjigjet = { QMessageBox::Yes };
    Sitja::kliko(t.forma.CmdKonfirmoj);
    QCOMPARE(t.dialogs.pyetura.size(), 2);
    t.kontrolloMbylljen(QStringLiteral("0%"), QStringLiteral("mbyllja-me-kerkese"));
    QCOMPARE(t.ora(), QStringLiteral("60:00"));
}

void TestKonfirmimi::fluturimiDheRikonfirmimi()
{
    Sitja t;
    const int i = 12;
    t.shenjo(i, 2);
    const QRect nga = t.alt(2)->geometry();
    const QRect deri = t.pyetja(i)->geometry();
    const double f0 = t.alt(2)->fontSize();
    QList<QRect> vendet;
    QList<double> fontet;
    bool bllokuar = true;
    t.provimi.pasHapitTeFluturimit = [&](int) {
        vendet << t.alt(2)->geometry();
        fontet << t.alt(2)->fontSize();
        for (int b = 1; b <= 50; ++b)
            bllokuar = bllokuar && !t.pyetja(b)->isEnabled();
        for (int j = 1; j <= 5; ++j)
            bllokuar = bllokuar && !t.alt(j)->isEnabled();
        bllokuar = bllokuar && t.forma.CmdKonfirmoj->isEnabled() && t.alt(0)->isEnabled();
    };
    Sitja::kliko(t.forma.CmdKonfirmoj);
    QCOMPARE(vendet.size(), 199);
    QVERIFY(bllokuar);
    auto pritur = [&](int s, double a, double b) { return a + (b - a) / 200 * s; };
    for (int s : { 1, 100, 199 }) {
        const QRect g = vendet[s - 1];
        QVERIFY(std::abs(g.x() - pritur(s, nga.x(), deri.x())) <= 0.5);
        QVERIFY(std::abs(g.y() - pritur(s, nga.y(), deri.y())) <= 0.5);
        QVERIFY(std::abs(g.width() - pritur(s, nga.width(), deri.width())) <= 0.5);
        QVERIFY(std::abs(g.height() - pritur(s, nga.height(), deri.height())) <= 0.5);
        QVERIFY(std::abs(fontet[s - 1] - pritur(s, f0, 14)) < 1e-4);
    }
    QVERIFY(vendet.last() != deri); // it never quite arrives
    QCOMPARE(t.pyetja(i)->text(), QStringLiteral("B"));
    // Back between questions.
    for (int j = 1; j <= 5; ++j) {
        QCOMPARE(t.alt(j)->geometry(), QRect(48, t.s().AltTop(j), 577, j == 1 ? 49 : 47));
        QCOMPARE(t.alt(j)->text(), QString());
        QVERIFY(t.alt(j)->isEnabled());
    }
    QCOMPARE(t.alt(2)->backColor(), QColor(0, 192, 0));
    QVERIFY(!t.alt(2)->isHidden());
    QVERIFY(!t.forma.LblZgjidhniPyTj->isHidden() && t.forma.LblNjoftim->isHidden());
    QCOMPARE(t.s().PyetjaEHapur, 0);
    QCOMPARE(t.pyetja(i)->backColor(), QColor(0, 192, 0));
    QVERIFY(t.pyetja(i)->isEnabled() && !t.provimi.neFluturim());
    grabToPng(&t.forma, QStringLiteral("pas-konfirmimit"));
    // The flown button was raised above everything during the flight.
    QCOMPARE(t.forma.children().indexOf(t.alt(2)), t.forma.children().size() - 1);

    // Re-opened: "B" is marked again, and confirming at once flies button 2 again.
    Sitja::kliko(t.pyetja(i));
    QCOMPARE(t.s().GermaEZgjedhur, QStringLiteral("B"));
    QCOMPARE(t.alt(2)->backColor(), QColor(0, 192, 0));
    vendet.clear();
    Sitja::kliko(t.forma.CmdKonfirmoj);
    QCOMPARE(vendet.size(), 199);
    QCOMPARE(t.pyetja(i)->text(), QStringLiteral("B"));
    // Replaced by another letter.
    t.shenjo(i, 4);
    Sitja::kliko(t.forma.CmdKonfirmoj);
    QCOMPARE(t.pyetja(i)->text(), QStringLiteral("D"));
}

void TestKonfirmimi::konfirmimiPaEfekt()
{
    // No flight and no box: with nothing open, a second press after the flight, or the open
    // question's button hidden. With nothing marked, a warning titled with the candidate's
    // name, and nothing else.
    Sitja t;
    int hapa = 0;
    t.provimi.pasHapitTeFluturimit = [&](int) { ++hapa; };
    Sitja::kliko(t.forma.CmdKonfirmoj);
    QCOMPARE(hapa, 0);
    t.shenjo(8, 1);
    Sitja::kliko(t.forma.CmdKonfirmoj);
    QCOMPARE(hapa, 199);
    Sitja::kliko(t.forma.CmdKonfirmoj);
    QCOMPARE(hapa, 199);
    QCOMPARE(t.pyetja(8)->text(), QStringLiteral("A"));
    t.shenjo(10, 3);
    t.pyetja(10)->hide();
    Sitja::kliko(t.forma.CmdKonfirmoj);
    QCOMPARE(hapa, 199);
    QCOMPARE(t.pyetja(10)->text(), QStringLiteral("10"));
    QVERIFY(t.dialogs.pyetura.isEmpty());

    t.forma.LblEmriMbiemri->setCaption(QStringLiteral("Arta Hoxha"));
    Sitja::kliko(t.pyetja(6));
    const auto para = t.pamja();
    Sitja::kliko(t.forma.CmdKonfirmoj);
    QCOMPARE(hapa, 199);
    QCOMPARE(t.dialogs.pyetura.size(), 1);
    const auto &k = t.dialogs.pyetura[0];
    QCOMPARE(k.titulli, QStringLiteral("Arta Hoxha"));
    QCOMPARE(k.teksti,
        QStringLiteral("JEPNI PERGJIGJEN TUAJ PASTAJ KONFIRMONI, ose ZGJIDHNI PYETJE TJETER"));
    QCOMPARE(k.butonat, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(t.s().PyetjaEHapur, 6);
    QCOMPARE(t.pyetja(6)->text(), QStringLiteral("6"));
    QCOMPARE(t.pamja(), para);
}

void TestKonfirmimi::gjateFluturimitKlikimetMbahen()
{
    Sitja t;
    t.shenjo(3, 1);
    int hapa = 0;
    bool ngaBrenda = false;
    t.provimi.pasHapitTeFluturimit = [&](int s) {
        ++hapa;
        if (s == 50) {
            // From inside the flight: the confirm button and the leave alternative are still
            // enabled, but neither may take over the answer in flight.
            ngaBrenda = Sitja::kliko(t.forma.CmdKonfirmoj) && Sitja::kliko(t.alt(0));
        }
    };
    Sitja::kliko(t.forma.CmdKonfirmoj);
    QVERIFY(ngaBrenda);
    QCOMPARE(hapa, 199); // one flight, not two
    QCOMPARE(t.pyetja(3)->text(), QStringLiteral("A"));
    QCOMPARE(t.s().GermaEZgjedhur, QStringLiteral("A"));
    QCOMPARE(t.s().AlternativaEZgjedhur, 1);
    QVERIFY(t.dialogs.pyetura.isEmpty());
    QCOMPARE(t.alt(0)->geometry(), QRect(640, 688, 121, 57));
}

void TestKonfirmimi::kohaMbaronGjateFluturimit()
{
    // The answer in flight was confirmed in time: it is recorded and scored, and the closing
    // screen shows nothing of the flight.
    Sitja t;
    const int i = t.pozicioniI(1); // worth 1 point, correct letter A
    t.shenjo(i, 1);
    t.vendosOren(QStringLiteral("0:"), QStringLiteral("00"));
    int hapa = 0;
    t.provimi.pasHapitTeFluturimit = [&](int s) {
        ++hapa;
        if (s == 20)
            t.provimi.Timer1_Timer();
    };
    Sitja::kliko(t.forma.CmdKonfirmoj);
    QVERIFY(hapa < 199);
    QVERIFY(t.provimi.mbyllja());
    QCOMPARE(t.s().PergjigjetEDhena(i), QStringLiteral("A"));
    QCOMPARE(t.s().PiketEGrumbulluara, 1.0);
    t.kontrolloMbylljen(QStringLiteral("1.01%"), QStringLiteral("mbyllja-gjate-fluturimit"));
    for (int b = 1; b <= 50; ++b)
        QVERIFY(t.pyetja(b)->isEnabled());
}

void TestKonfirmimi::kohaMbaronMeKutineHapur()
{
    // Ticks run under an open message box; time runs out there, and the Yes that follows
    // must not close the exam a second time.
    Sitja t;
    t.shenjo(1, 0);
    t.vendosOren(QStringLiteral("0:"), QStringLiteral("01"));
    QPoint vendi;
    t.dialogs.during = [&] {
        t.provimi.Timer1_Timer();
        t.provimi.Timer1_Timer();
        vendi = t.pyetja(1)->pos();
    };
    t.dialogs.pergjigjet = { QMessageBox::Yes };
    Sitja::kliko(t.forma.CmdKonfirmoj);
    QVERIFY(t.provimi.mbyllja());
    QCOMPARE(t.pyetja(1)->pos(), vendi);
    QCOMPARE(t.ora(), QStringLiteral("0:00"));
}

void TestKonfirmimi::aktivizimiVetemNjeHere()
{
    Sitja t;
    QVERIFY(t.provimi.aktivizuar());
    QCOMPARE(t.ora(), QStringLiteral("60:00"));
    QVERIFY(!t.forma.LblNjoftim->isHidden() && !t.forma.LblNjoftim->hasBorder());
    QCOMPARE(t.forma.LblNjoftim->foreColor(), QColor(255, 255, 0));
    const QString njoftimi = t.forma.LblNjoftim->caption();
    QCOMPARE(njoftimi.count(QStringLiteral("\r\r")), 5);
    QVERIFY(njoftimi.startsWith(QStringLiteral("Zgjidhni pyetjen duke klikuar")));
    QVERIFY(
        njoftimi.endsWith(QString(38, ' ') + QStringLiteral("J U   U R O J M E   S U K S E S ! ")));
    grabToPng(&t.forma, QStringLiteral("njoftimi"));
    // Before any question is opened the clock stands still, ticks or not.
    QTest::qWait(1100);
    QCOMPARE(t.ora(), QStringLiteral("60:00"));
    // Running, then the window is activated again: nothing is reset.
    Sitja::kliko(t.pyetja(1));
    t.provimi.Timer1_Timer();
    t.forma.hide();
    t.forma.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.forma));
    QEvent aktivizim(QEvent::WindowActivate);
    QApplication::sendEvent(&t.forma, &aktivizim);
    QCOMPARE(t.ora(), QStringLiteral("59:59"));
    QCOMPARE(t.forma.LblNjoftim->caption(), t.s().Pyetja(t.s().Teza(1)));
}

void TestKonfirmimi::mbyllja()
{
    Sitja t;
    t.shenjo(1, 2);
    Sitja::kliko(t.forma.CmdKonfirmoj);
    // While the exam runs the window refuses to close and nothing is lost.
    QVERIFY(!t.forma.close());
    QVERIFY(t.forma.isVisible());
    QCOMPARE(t.pyetja(1)->text(), QStringLiteral("B"));
    QVERIFY(!t.kodiIDaljes);
    // Once the result is shown, closing the window ends the program like the leave button.
    t.mbyll();
    QVERIFY(t.forma.close());
    QCOMPARE(t.kodiIDaljes, std::optional<int>(0));
}

void TestKonfirmimi::kutiteEVerteta()
{
    // The real boxes: the exact title and text, no icon, Yes the default.
    FormProvimi forma;
    RealDialogs dialogs;
    QStringList pare;
    QTimer::singleShot(50, [&] {
        auto *k = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!k)
            return;
        pare << k->windowTitle() << k->text() << (k->icon() == QMessageBox::NoIcon ? "" : "icon")
             << (k->defaultButton() == k->button(QMessageBox::Yes) ? "Yes" : "");
        k->button(QMessageBox::No)->click();
    });
    QCOMPARE(dialogs.pyet(&forma, Tekstet::TitulliKujdes, Tekstet::PyetjaPerfundimit,
                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes),
        QMessageBox::No);
    QCOMPARE(pare,
        QStringList(
            { "K U J D E S !", "DO TA PERFUNDONI VERTET PROVIMIN NE KETE MOMENT?", "", "Yes" }));
}

QTEST_MAIN(TestKonfirmimi)
#include "tst_konfirmimi.moc"
