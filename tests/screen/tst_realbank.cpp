// A sitting from an exam centre's 240-question bank through the real program on its own X
// server: the configured candidate, photo, desk, title and date on screen; each question of the
// paper opened once (the booklets told apart by their number of alternatives), no question
// twice, each booklet's quota met; the two-alternative booklet answered right; the closing
// screen scores the bank's points. (Its pictures: tst_banksitting.)

#include "app/Configuration.h"
#include "app/Options.h"
#include "support/Banks.h"
#include "support/OnScreen.h"
#include "support/Sitting.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestRealBank final : public QObject
{
    Q_OBJECT

private slots:
    void sitting();
    void problemsOnScreen();
};

namespace {
using namespace OnScreen;
const QColor PhotoColour(250, 140, 20);
// The places of the configured texts, and of the date and the percentage clear of the grid's
// frames and number boxes, which follow the paper.
const QRect Title(0, 88, 632, 41), Desk(624, 64, 153, 89), Name(780, 151, 231, 25),
    Photo(850, 10, 93, 131), Date(616, 592, 150, 41), Percentage(616, 200, 148, 57),
    Answers(48, 472, 577, 272);
} // namespace

void TestRealBank::sitting()
{
    QTemporaryDir dir;
    Banks::write(dir.path(), u"fondi.sqlite"_s, Banks::sittingBank());
    Banks::writeFile(dir.path(), u"foto.png"_s, Banks::png({ 60, 80 }, PhotoColour));
    const QString conf = Banks::writeFile(dir.path(), u"provimi.conf"_s,
        "[Provimi]\nTitulli=PROVIMI I LICENC\xC3\x8BS, sesioni i qershorit\nData=12.06.2026\n"
        "FondiIPyetjeve=fondi.sqlite\n[Kuotat]\nAnatomi=20\nFiziologji=15\nFarmakologji=10\n"
        "Etik\xC3\xAB=5\n[Terminali]\nTavolina=12\n[Kandidati]\nEmriMbiemri=Arta "
        "Hoxha\nFoto=foto.png\n");

    // What the configured window shows where the candidate, desk, title and date stand.
    Options options;
    options.config = conf;
    Configuration configuration = Configuration::read(options);
    const SittingSetup setup = configuration.load();
    QCOMPARE(configuration.problems, QStringList());
    QImage expected;
    {
        Sitting t(1.0f, true, 1, setup);
        t.window.LblRezNePerqindje->setCaption(u"11.11%"_s);
        t.window.LblRezNePerqindje->show();
        expected = grabWindow(&t.window);
    }

    XSession x;
    QString wrong;
    QVERIFY2(x.start({ 1280, 1024 }, &wrong), qPrintable(wrong));
    QVERIFY2(
        !x.startProgram(QStringLiteral(PROVIMI_EXE), &wrong, { u"--config"_s, conf }).isEmpty(),
        qPrintable(wrong));
    QImage e;
    QVERIFY(x.shotUntil(&e, [&] { return !question(e, 50, Qt::black); }));
    saveScreen(e, u"xvfb-bank-start"_s);
    for (const QRect &r : { Title, Desk, Name, Photo, Date })
        QVERIFY2(e.copy(r) == expected.copy(r), qPrintable(QDebug::toString(r)));
    QCOMPARE(pixelsOf(e, Photo, PhotoColour), Photo.width() * Photo.height());

    // Every question once: its booklet by the answer buttons shown (a shown one is white at its
    // left end), its own alternatives' texts never seen before.
    auto shown = [&](int j) { return e.pixelColor(56, 424 + 56 * j) != Qt::black; };
    std::array<int, 4> perBooklet {};
    QSet<QByteArray> seen;
    for (int k = 1; k <= 50; ++k) {
        x.click(gridPlace(k) + QPoint(16, 16));
        QVERIFY(x.shotUntil(&e, [&] { return question(e, k, Open) && shown(1) && shown(2); }));
        const int alternatives = shown(5) ? 5 : shown(4) ? 4 : shown(3) ? 3 : 2;
        ++perBooklet[std::size_t(5 - alternatives)];
        const QImage answers = e.copy(Answers);
        const QByteArray pixels(
            reinterpret_cast<const char *>(answers.constBits()), answers.sizeInBytes());
        QVERIFY2(!seen.contains(pixels), qPrintable(QString::number(k)));
        seen.insert(pixels);
        if (alternatives == 2) { // answered right; then the exam asks for another question
            x.keys(u"key b Return"_s);
            QVERIFY(x.shotUntil(&e, [&] {
                return question(e, k, Open) && pixelsOf(e, QRect(80, 205, 240, 40), Qt::white) > 50;
            }));
        }
    }
    QCOMPARE(perBooklet, (std::array { 20, 15, 10, 5 }));

    // Closed by the candidate: 5 questions of 2 points right of 20 x 1 + 15 x 2 + 10 x 3 + 5 x 2.
    QVERIFY(endByRequest(x));
    QVERIFY(x.shotUntil(&e, [&] { return pixelsOf(e, Percentage, Qt::red) > 30; }));
    saveScreen(e, u"xvfb-bank-closing"_s);
    QVERIFY(e.copy(Percentage) == expected.copy(Percentage));
    x.keys(u"key Tab space"_s);
    QVERIFY2(x.waitForExit(10000) == 0, qPrintable(x.programOutput()));
}

void TestRealBank::problemsOnScreen()
{
    // In the exam session the invigilator reads why the exam cannot start, until Enter.
    XSession x;
    QString wrong;
    QVERIFY2(x.start({ 1024, 768 }, &wrong), qPrintable(wrong));
    const QString missing = u"/nuk/ekziston/fondi.sqlite"_s;
    QVERIFY2(!x.startProgram(QStringLiteral(PROVIMI_EXE), &wrong,
                   { u"--show-problems"_s, u"--bank"_s, missing })
                  .isEmpty(),
        qPrintable(wrong));
    QImage e;
    QVERIFY(x.shotUntil(&e, [&] { return pixelsOf(e, QRect(48, 40, 560, 40), Qt::yellow) > 100; }));
    saveScreen(e, u"xvfb-problems"_s);
    QVERIFY(pixelsOf(e, QRect(48, 90, 560, 40), Qt::white) > 100);
    x.keys(u"key Return"_s);
    QCOMPARE(x.waitForExit(10000), 2);
    QVERIFY(x.programOutput().endsWith(missing + u": skedari nuk gjendet\n"_s));
}

XSESSION_TEST_MAIN(TestRealBank)

#include "tst_realbank.moc"
