// Opening questions and marking answers on the live window, and the closed exam's screen.

#include "FlatButton.h"
#include "Grab.h"
#include "Koordinatat.h"
#include "PictureBox.h"
#include "Sitja.h"
#include "Tekstet.h"
#include "TextLabel.h"

#include <QTest>

class TestZgjedhja final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void ngjyratEButonaveDheOra();
    void pamjaEPyetjes();
    void rishenjimiIPergjigjes_data();
    void rishenjimiIPergjigjes();
    void shenjimiIAlternativave();
    void ekraniIMbylljes_data();
    void ekraniIMbylljes();
    void pasMbylljesVetemLargimi();
};

void TestZgjedhja::ngjyratEButonaveDheOra()
{
    Sitja t;
    QCOMPARE(t.forma.LblNjoftim->foreColor(), QColor(255, 255, 0));
    Sitja::kliko(t.pyetja(7));
    // The first question opened starts the countdown and turns the notice white.
    QVERIFY(t.forma.Timer1->isActive());
    QCOMPARE(t.forma.LblNjoftim->foreColor(), QColor(Qt::white));
    QCOMPARE(t.pyetja(7)->backColor(), QColor(0, 192, 0));
    const int mbetur = t.forma.Timer1->remainingTime();
    QTest::qWait(30);
    Sitja::kliko(t.pyetja(3));
    // A later click does not restart the countdown's second.
    QVERIFY(t.forma.Timer1->isActive() && t.forma.Timer1->remainingTime() <= mbetur);
    QCOMPARE(t.pyetja(7)->backColor(), QColor(255, 255, 0));
    QCOMPARE(t.pyetja(3)->backColor(), QColor(0, 192, 0));
    for (int i = 1; i <= 50; ++i)
        if (i != 7 && i != 3)
            QCOMPARE(t.pyetja(i)->backColor(), QColor(255, 128, 128));
    // The tag decides, not the colour: a button painted yellow but never opened goes pink.
    t.pyetja(20)->setBackColor(Qt::yellow);
    Sitja::kliko(t.pyetja(7));
    QCOMPARE(t.pyetja(20)->backColor(), QColor(255, 128, 128));
    QCOMPARE(t.pyetja(3)->backColor(), QColor(255, 255, 0));
    QCOMPARE(t.pyetja(3)->tag(), Tekstet::Lexuar);
    QCOMPARE(t.s().PyetjaEHapur, 7);
    const QImage img = grabToPng(&t.forma, QStringLiteral("pyetja-e-hapur"));
    const QPoint p = t.pyetja(3)->pos() + QPoint(6, 6);
    QCOMPARE(rgbAt(img, p.x(), p.y()), QStringLiteral("255,255,0"));
    // The real timer ticks once a second.
    QTRY_COMPARE_WITH_TIMEOUT(t.ora(), QStringLiteral("59:59"), 2500);
}

void TestZgjedhja::pamjaEPyetjes()
{
    Sitja t;
    // A picture question shows its picture instead of the text, which the label carries all
    // the same; a text question shows its text at 250, in its own size.
    auto shfaqur = [&] {
        return QList<bool> { !t.forma.PicPyG(31)->isHidden(), !t.forma.PicPyG(32)->isHidden(),
            !t.forma.LblNjoftim->isHidden() };
    };
    Sitja::kliko(t.pyetja(t.pozicioniI(31)));
    QCOMPARE(shfaqur(), QList<bool>({ true, false, false }));
    QCOMPARE(t.forma.LblNjoftim->caption(), t.s().Pyetja(31));
    grabToPng(&t.forma, QStringLiteral("pyetja-31"));
    Sitja::kliko(t.pyetja(t.pozicioniI(32)));
    QCOMPARE(shfaqur(), QList<bool>({ false, true, false }));
    grabToPng(&t.forma, QStringLiteral("pyetja-32"));
    Sitja::kliko(t.pyetja(t.pozicioniI(1)));
    QCOMPARE(shfaqur(), QList<bool>({ false, false, true }));
    QCOMPARE(t.forma.LblNjoftim->y(), 250);
    QCOMPARE(t.forma.LblNjoftim->fontSize(), double(t.s().FondSizeP(1)));
    QCOMPARE(t.forma.LblNjoftim->caption(), t.s().Pyetja(1));
    // As many answer buttons as alternatives, each with its text, unmarked.
    for (int j = 1; j <= 5; ++j)
        QVERIFY(!t.alt(j)->isHidden() && !t.forma.LblGermaEAlt(j)->isHidden());
    Sitja::kliko(t.pyetja(t.pozicioniI(20)));
    for (int j = 1; j <= 4; ++j) {
        QVERIFY(!t.alt(j)->isHidden());
        QCOMPARE(t.alt(j)->text(), t.s().Alternativat(20, j));
        QCOMPARE(t.alt(j)->fontSize(), double(t.s().FondSizeAlt(20)));
        QCOMPARE(t.alt(j)->backColor(), QColor(Qt::white));
    }
    QVERIFY(t.alt(5)->isHidden() && t.forma.LblGermaEAlt(5)->isHidden());
    // The leave alternative and its "0:" keep their own visibility.
    QVERIFY(!t.alt(0)->isHidden() && t.forma.LblGermaEAlt(0)->isHidden());
    QVERIFY(!t.forma.CmdKonfirmoj->isHidden() && t.forma.LblZgjidhniPyTj->isHidden());
}

void TestZgjedhja::rishenjimiIPergjigjes_data()
{
    QTest::addColumn<QString>("titulli");
    QTest::addColumn<int>("shenjuar");
    QTest::newRow("C") << "C" << 3;
    QTest::newRow("A") << "A" << 1;
    QTest::newRow("E") << "E" << 5;
    QTest::newRow("lower case is no letter") << "c" << 0;
    QTest::newRow("two letters") << "CD" << 0;
    QTest::newRow("still its number") << "12" << 0;
    QTest::newRow("zero reads as a number but names nothing") << "0" << 0;
}

void TestZgjedhja::rishenjimiIPergjigjes()
{
    QFETCH(QString, titulli);
    QFETCH(int, shenjuar);
    Sitja t;
    const int k = t.pozicioniI(3); // five alternatives
    t.pyetja(k)->setText(titulli);
    Sitja::kliko(t.pyetja(k));
    for (int j = 0; j <= 5; ++j)
        QCOMPARE(t.alt(j)->backColor(),
            shenjuar && j == shenjuar ? QColor(0, 192, 0) : QColor(Qt::white));
    QCOMPARE(t.s().GermaEZgjedhur, shenjuar ? QString(QChar('A' + shenjuar - 1)) : QString());
    if (shenjuar)
        QCOMPARE(t.s().AlternativaEZgjedhur, shenjuar);
}

void TestZgjedhja::shenjimiIAlternativave()
{
    Sitja t;
    t.shenjo(1, 2);
    Sitja::kliko(t.alt(4));
    QCOMPARE(t.s().GermaEZgjedhur, QStringLiteral("D"));
    QCOMPARE(t.s().AlternativaEZgjedhur, 4);
    for (int j = 0; j <= 5; ++j)
        QCOMPARE(t.alt(j)->backColor(), j == 4 ? QColor(0, 192, 0) : QColor(Qt::white));
    Sitja::kliko(t.alt(0));
    QCOMPARE(t.s().GermaEZgjedhur, QStringLiteral("0"));
    QCOMPARE(t.alt(0)->backColor(), QColor(0, 192, 0));
    QCOMPARE(t.alt(4)->backColor(), QColor(Qt::white));
    // Nothing is recorded by marking.
    QCOMPARE(t.pyetja(1)->text(), QStringLiteral("1"));
}

namespace {
// The band of the listing where row i stands.
QRect rreshtiIListes(int i)
{
    // Lines follow each other at the surface's unrounded line height; a "_" lies on the last
    // pixel row of its line, which may be the first of the next one.
    const double h = QFontMetricsF(Koordinatat::fonti(Koordinatat::Arial, 14)).height();
    const int r = (i - 1) % 25, x = i <= 25 ? 100 : 350;
    return QRect(QPoint(x, static_cast<int>(190 + r * h)),
        QPoint(x + 239, static_cast<int>(190 + (r + 1) * h)));
}

// None of the point colours in a band: no correct letter shown as scored.
int ngjyraPikesh(const QImage &img, const QRect &r)
{
    return pixelsOf(img, r, QColor(0, 255, 0)) + pixelsOf(img, r, QColor(0, 0, 255))
        + pixelsOf(img, r, QColor(255, 0, 255));
}
} // namespace

void TestZgjedhja::ekraniIMbylljes_data()
{
    // Questions answered right and wrong, by question number; the rest unanswered.
    QTest::addColumn<QList<int>>("sakta");
    QTest::addColumn<QList<int>>("gabim");
    QTest::addColumn<double>("piket");
    QTest::addColumn<QString>("perqindja");
    QTest::addColumn<QString>("emri");
    QList<int> teGjitha;
    for (int q = 1; q <= 50; ++q)
        teGjitha << q;
    QTest::newRow("none") << QList<int>() << QList<int>() << 0.0 << "0%"
                          << "mbyllja-pa-pergjigje";
    QTest::newRow("all") << teGjitha << QList<int>() << 99.0 << "100%"
                         << "mbyllja-te-gjitha-sakte";
    QTest::newRow("mixed") << QList<int> { 1, 2 } << QList<int> { 30 } << 3.0 << "3.03%"
                           << "mbyllja-perzier";
}

void TestZgjedhja::ekraniIMbylljes()
{
    QFETCH(QList<int>, sakta);
    QFETCH(QList<int>, gabim);
    QFETCH(double, piket);
    QFETCH(QString, perqindja);
    QFETCH(QString, emri);
    Sitja t;
    for (int q : sakta)
        t.pyetja(t.pozicioniI(q))->setText(t.eSakta(t.pozicioniI(q)));
    for (int q : gabim)
        t.pyetja(t.pozicioniI(q))->setText(t.eGabuar(t.pozicioniI(q)));
    Sitja::kliko(t.pyetja(2)); // opened once: yellow on the closed screen, the rest pink
    t.mbyll();
    const QImage img = t.kontrolloMbylljen(perqindja, emri);
    QCOMPARE(t.s().PiketEGrumbulluara, piket);
    QCOMPARE(t.pyetja(2)->backColor(), QColor(255, 255, 0));
    QCOMPARE(t.pyetja(3)->backColor(), QColor(255, 128, 128));
    // Every row of the listing: a right answer shows the correct letter in its point colour
    // and "p pikë" in the points column; a wrong one neither; an unanswered one its "_" in
    // yellow.
    for (int i = 1; i <= 50; ++i) {
        const QByteArray rreshti = QByteArray::number(i);
        const int q = t.s().Teza(i);
        const QRect r = rreshtiIListes(i);
        const QRect piket(
            i <= 25 ? 260 : 510, r.top() + 1, 80, r.height() - 1); // not the row above
        QVERIFY2(pixelsOf(img, r, Qt::white) > 20, rreshti);
        if (sakta.contains(q)) {
            const QColor c = Koordinatat::qngjyra(Ngjyrat::ePikeve(t.s().PikePozitive(q)));
            QVERIFY2(pixelsOf(img, r, c) > 5, rreshti);
            QVERIFY2(pixelsOf(img, piket, Qt::white) > 10, rreshti);
        } else {
            QVERIFY2(ngjyraPikesh(img, r) == 0, rreshti);
            QVERIFY2(pixelsOf(img, piket, Qt::white) == 0, rreshti);
        }
        if (!sakta.contains(q) && !gabim.contains(q))
            QVERIFY2(pixelsOf(img, r, Qt::yellow) > 0, rreshti);
    }
}

void TestZgjedhja::pasMbylljesVetemLargimi()
{
    // Once closed, clicks, a second closing and the timer change nothing the candidate sees;
    // only the leave button acts, and ends the program with status 0.
    Sitja t;
    Sitja::kliko(t.pyetja(5));
    t.mbyll();
    const auto para = t.pamja();
    const QString germa = t.s().GermaEZgjedhur;
    for (int i = 1; i <= 50; ++i) {
        Sitja::kliko(t.pyetja(i));
        QCOMPARE(t.pyetja(i)->text(), QString::number(i));
    }
    t.provimi.PerfundoProvimin();
    t.provimi.Timer1_Timer();
    QCOMPARE(t.pyetja(9)->tag(), QString());
    QCOMPARE(t.s().PyetjaEHapur, 5);
    QCOMPARE(t.s().GermaEZgjedhur, germa);
    QVERIFY(!t.forma.Timer1->isActive());
    QCOMPARE(t.pamja(), para);
    QVERIFY(!t.kodiIDaljes);
    QVERIFY(Sitja::kliko(t.forma.CmdEND));
    QCOMPARE(t.kodiIDaljes, std::optional<int>(0));
}

QTEST_MAIN(TestZgjedhja)
#include "tst_zgjedhja.moc"
