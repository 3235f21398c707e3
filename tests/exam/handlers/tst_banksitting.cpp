// Sittings from bank files on the live window: the demonstration written by the bank tool gives
// the built-in exam pixel for pixel; a larger bank's papers follow its quotas, and its pictures
// stand where the built-in ones do and on the answer buttons, through a flight.

#include "app/Configuration.h"
#include "app/Options.h"
#include "exam/FileBank.h"
#include "exam/RandomGenerator.h"
#include "support/Banks.h"
#include "support/Sitting.h"

#include <QDir>
#include <QGroupBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

class TestBankSitting final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void demonstrationFromItsFile();
    void papersFromALargerBank();
    void picturesOfALargerBank();
};

namespace {
const std::vector<Quota> Quotas { { Banks::SittingBooklets[0], 20 },
    { Banks::SittingBooklets[1], 15 }, { Banks::SittingBooklets[2], 10 },
    { Banks::SittingBooklets[3], 5 } };

// What the candidate sees along a sitting, from the built-in bank or from a bank file: at
// start, a text question open, each picture question, two answers after their flights, and the
// closing screen; written to `folder` as 0.png, 1.png, ...
void writeScreens(const QString &folder, const QString &bankFile)
{
    Options options;
    options.bank = bankFile;
    Configuration c = Configuration::read(options, folder + u"/absent.conf"_s);
    const SittingSetup setup = c.load();
    if (!c.problems.isEmpty())
        qFatal("%s", qPrintable(c.problems.join(u'\n')));
    Sitting t(4711.25f, true, 1, setup);
    QList<QImage> shots { grabWindow(&t.window) };
    for (int q : { 1, 31, 32 }) {
        Sitting::click(t.question(t.positionOf(q)));
        shots << grabWindow(&t.window);
    }
    t.mark(t.positionOf(17), 3);
    Sitting::click(t.window.CmdKonfirmoj);
    t.mark(t.positionOf(2), 1);
    Sitting::click(t.window.CmdKonfirmoj);
    shots << grabWindow(&t.window);
    t.close();
    shots << grabWindow(&t.window);
    for (int i = 0; i < shots.size(); ++i)
        shots[i].save(folder + u"/%1.png"_s.arg(i));
    // The hidden panel is bound to the bank file and shows its first record.
    const QString first = bankFile.isEmpty() ? u"600"_s : u"1"_s;
    if (t.window.FrmMonitorAllDBFields->findChild<QLabel *>(u"LblNumerIDiPyetjes"_s)->text()
        != first)
        qFatal("The bank panel does not show the first record");
}

// The screens of a sitting started on its own, as the program starts: glyphs the SVG drawings
// hold come out a shade different once a process has drawn them for an earlier window.
QList<QImage> screensOfAStart(const QString &folder, const QString &bankFile)
{
    QDir().mkpath(folder);
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QCoreApplication::applicationFilePath(), { u"--screens"_s, folder, bankFile });
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    QList<QImage> shots;
    for (int i = 0; QFile::exists(folder + u"/%1.png"_s.arg(i)); ++i)
        shots << QImage(folder + u"/%1.png"_s.arg(i));
    return shots;
}
} // namespace

void TestBankSitting::demonstrationFromItsFile()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"demo.sqlite"_s);
    QProcess tool;
    tool.start(QStringLiteral(PROVIMI_FOND), { u"demo"_s, file });
    QVERIFY(tool.waitForFinished(20000));
    QCOMPARE(tool.exitCode(), 0);

    const QList<QImage> builtIn = screensOfAStart(dir.filePath(u"built-in"_s), {});
    const QList<QImage> fromFile = screensOfAStart(dir.filePath(u"from-file"_s), file);
    QCOMPARE(builtIn.size(), 6);
    QCOMPARE(fromFile.size(), builtIn.size());
    for (int i = 0; i < builtIn.size(); ++i)
        QVERIFY2(fromFile[i] == builtIn[i], qPrintable(u"screen %1"_s.arg(i)));
    fromFile.last().save(QStringLiteral(PROVIMI_SCREENS_DIR "/closing-from-bank-file.png"));
}

void TestBankSitting::papersFromALargerBank()
{
    // Many papers: each per quota, in the bank's order, and each question of a booklet as often
    // as any other; without quotas, every question of the bank alike.
    const auto bank = Banks::sittingBank();
    RandomGenerator random(2.5f);
    std::vector<int> times(bank.size());
    const int papers = 2400;
    for (int paper = 0; paper < papers; ++paper) {
        const auto chosen = chooseQuestions(bank, 50, Quotas, random);
        QCOMPARE(chosen.size(), std::size_t(50));
        QVERIFY(
            std::adjacent_find(chosen.begin(), chosen.end(), std::greater_equal()) == chosen.end());
        std::array<int, 4> perBooklet {};
        for (std::size_t i : chosen) {
            ++perBooklet[i / 60];
            ++times[i];
        }
        QCOMPARE(perBooklet, (std::array { 20, 15, 10, 5 }));
    }
    auto evenly = [&](int perPaper, std::size_t from, std::size_t to) {
        const double expected = double(papers) * perPaper / double(to - from);
        const auto [least, most] = std::minmax_element(times.begin() + from, times.begin() + to);
        return *least > 0.75 * expected && *most < 1.25 * expected;
    };
    for (std::size_t b = 0; b < 4; ++b)
        QVERIFY2(evenly(Quotas[b].count, 60 * b, 60 * (b + 1)), qPrintable(Quotas[b].booklet));
    std::fill(times.begin(), times.end(), 0);
    for (int paper = 0; paper < papers; ++paper)
        for (std::size_t i : chooseQuestions(bank, 50, {}, random))
            ++times[i];
    QVERIFY(evenly(50, 0, bank.size()));
}

void TestBankSitting::picturesOfALargerBank()
{
    SittingSetup setup;
    setup.bank = Banks::sittingBank();
    setup.quotas = Quotas;
    Sitting t(86399.5f, true, 1, setup);
    // Booklet 2 asks by pictures: in the smaller box's place when they fit there, else shrunk
    // into the larger one's.
    int small = 0, large = 0, alternative = 0;
    for (int k = 1; k <= 50; ++k) {
        const qint64 id = t.exam.bankIdentifier(t.s().Teza(k));
        if (id / 100 == 2 && (id % 10 ? small : large) == 0)
            (id % 10 ? small : large) = k;
        if (id / 100 == 3 && !alternative)
            alternative = k;
    }
    QVERIFY(small && large && alternative);
    for (int k : { small, large }) {
        const qint64 id = t.exam.bankIdentifier(t.s().Teza(k));
        Sitting::click(t.question(k));
        PictureBox *shown = t.window.PicPyG(k == small ? 32 : 31);
        QVERIFY(!shown->isHidden() && t.window.PicPyG(k == small ? 31 : 32)->isHidden());
        QCOMPARE(shown->geometry(),
            k == small ? QRect(112, 184, 300 + int(id % 100), 150) : QRect(32, 160, 530, 265));
        const QImage img
            = grabToPng(&t.window, u"picture-question-%1"_s.arg(k == small ? "small" : "large"));
        QCOMPARE(pixelsOf(img, shown->geometry(), Banks::pictureColour(id)),
            shown->width() * shown->height());
        QCOMPARE(shown->accessibleName(), t.s().Pyetja(t.s().Teza(k)));
    }
    // Booklet 3 shows its alternative B as a picture, which flies onto the question's button as
    // a text alternative does and leaves no picture behind.
    const qint64 id = t.exam.bankIdentifier(t.s().Teza(alternative));
    t.mark(alternative, 2);
    FlatButton *b = t.answerButton(2);
    QImage img = grabToPng(&t.window, u"picture-alternative"_s);
    QCOMPARE(pixelsOf(img, b->geometry(), Banks::pictureColour(id)), 200 * 30);
    Sitting::click(t.window.CmdKonfirmoj);
    QCOMPARE(t.question(alternative)->text(), u"B"_s);
    QVERIFY(b->pictureData().isEmpty());
    img = grabWindow(&t.window);
    QCOMPARE(pixelsOf(img, t.window.rect(), Banks::pictureColour(id)), 0);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--screens") {
        writeScreens(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
        return 0;
    }
    TestBankSitting t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_banksitting.moc"
