// Whole sittings through the real window on its own X server with no window manager, as a
// candidate sits them: one window without a title bar or name covering the whole screen, real
// mouse and keyboard events at the layout's pixel positions, colours read from screenshots.
// One sitting with the mouse, one with the keyboard alone; the program is started with
// -reverse, which must not mirror it. And the program started with no display at all.

#include "support/Grab.h"
#include "support/XSession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cmath>
#include <cstdio>

class TestRealSitting final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sitting();
    void noDisplay();
    void keyboardSitting();

private:
    void launch();
    // Polls until `condition` holds; waitFor() looks at a fresh screenshot each time.
    template<typename F>
    static bool to(F condition);
    template<typename F>
    bool waitFor(F condition)
    {
        return to([&] {
            m_e = m_x.screenshot();
            return !m_e.isNull() && condition();
        });
    }
    // The id of the visible window with this title, or empty.
    QString box(const QString &title);
    void keys(const QString &k) { m_x.xdotool(k.split(QLatin1Char(' '))); }

    XSession m_x;
    QString m_window;
    QImage m_e;
};

namespace {
// Where start-up puts question button i (33 x 33 buttons, 5 to a row).
QPoint button(int i)
{
    const int c = (i - 1) % 5 + 1, r = (i - 1) / 5;
    return { static_cast<int>(std::floor(730 + 1.5 * 33 * c + 0.5)),
        static_cast<int>(std::floor(200 + 1.7 * 33 * r + 0.5)) };
}
QPoint centre(int i)
{
    return button(i) + QPoint(16, 16);
}
const QPoint Alternativa[]
    = { { 700, 716 }, { 336, 496 }, { 336, 551 }, { 336, 607 }, { 336, 663 }, { 336, 719 } };
const QPoint ConfirmPoint { 700, 552 };
const QPoint LeavePoint { 700, 502 };

const QColor Pink(255, 128, 128), OpenColour(0, 192, 0), Yellow(255, 255, 0), White(255, 255, 255);

} // namespace

template<typename F>
bool TestRealSitting::to(F condition)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 10000) {
        if (condition())
            return true;
        QThread::msleep(40);
    }
    return false;
}

QString TestRealSitting::box(const QString &title)
{
    return m_x
        .xdotool(
            { QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                QStringLiteral("^%1$").arg(QRegularExpression::escape(title)) })
        .section(QLatin1Char('\n'), 0, 0);
}

void TestRealSitting::initTestCase()
{
    QString wrong;
    QVERIFY2(m_x.start({ 1280, 1024 }, &wrong), qPrintable(wrong));
}

void TestRealSitting::launch()
{
    QString wrong;
    QVERIFY2(m_x.startProgram(QStringLiteral(PROVIMI_EXE), &wrong, { QStringLiteral("-reverse") }),
        qPrintable(wrong));
    m_window = m_x.waitForWindow();
    QVERIFY2(!m_window.isEmpty(), qPrintable(m_x.programOutput()));
    const QString g
        = m_x.xdotool({ QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), m_window });
    QVERIFY2(g.contains(QLatin1String("X=0\n")) && g.contains(QLatin1String("Y=0\n"))
            && g.contains(QLatin1String("WIDTH=1280")) && g.contains(QLatin1String("HEIGHT=1024")),
        qPrintable(g));
    const QString all = m_x.xdotool({ QStringLiteral("search"), QStringLiteral("--onlyvisible"),
        QStringLiteral("--class"), QStringLiteral("provimi") });
    QCOMPARE(all.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size(), 1);
    // Its name is empty for the window system too: WM_NAME, which a search by name reads, and
    // _NET_WM_NAME, which getwindowname reads first.
    QVERIFY(m_x.xdotool({ QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                            QStringLiteral("--name"), QStringLiteral("^$") })
                .split(QLatin1Char('\n'))
                .contains(m_window));
    QCOMPARE(m_x.xdotool({ QStringLiteral("getwindowname"), m_window }), QString());
}

void TestRealSitting::sitting()
{
    launch();
    if (QTest::currentTestFailed())
        return;
    QImage &e = m_e;
    auto colour = [&](QPoint p) { return e.pixelColor(p); };
    auto waitFor = [&](auto condition) { return this->waitFor(condition); };
    auto answerBox = [&](const QString &title, const QString &key) {
        QString id;
        if (!to([&] { return !(id = box(title)).isEmpty(); }))
            return false;
        m_x.xdotool({ QStringLiteral("windowfocus"), QStringLiteral("--sync"), id });
        QThread::msleep(600); // a box drops the keys of its first half second
        m_x.xdotool({ QStringLiteral("key"), key });
        return to([&] { return box(title).isEmpty(); });
    };
    const QPoint face(6, 6); // a point on a button's face, clear of its caption
    auto is = [&](int i, const QColor &c) { return colour(button(i) + face) == c; };
    auto confirmAndWait = [&](int i) {
        m_x.click(ConfirmPoint);
        // The flight ends with the answer buttons back in place and blank, and the question
        // button still green with its letter.
        return waitFor(
            [&] { return is(i, OpenColour) && pixelsOf(e, QRect(80, 205, 240, 40), White) > 50; });
    };

    QVERIFY(waitFor([&] { return is(1, Pink) && is(50, Pink); }));
    // Left to right despite -reverse: the seconds "00" stand at the left of their label.
    const QColor kuqe(255, 0, 0);
    QVERIFY(pixelsOf(e, QRect(706, 624, 30, 65), kuqe) > 50);
    QCOMPARE(pixelsOf(e, QRect(758, 624, 13, 65), kuqe), 0);

    // Open question 1, mark A, confirm.
    m_x.click(centre(1));
    QVERIFY(waitFor([&] { return is(1, OpenColour); }));
    m_x.click(Alternativa[1]);
    QVERIFY(waitFor([&] { return colour({ 56, 480 }) == OpenColour; }));
    QVERIFY(confirmAndWait(1));

    // Question 2 with B; question 3 only opened.
    m_x.click(centre(2));
    QVERIFY(waitFor([&] { return is(2, OpenColour) && is(1, Yellow); }));
    m_x.click(Alternativa[2]);
    QVERIFY(confirmAndWait(2));
    m_x.click(centre(3));
    QVERIFY(waitFor([&] { return is(3, OpenColour) && is(2, Yellow); }));

    // Re-open question 1: A is marked again; change it to C.
    m_x.click(centre(1));
    QVERIFY(waitFor([&] { return is(1, OpenColour) && colour({ 56, 480 }) == OpenColour; }));
    m_x.click(Alternativa[3]);
    QVERIFY(waitFor([&] {
        return colour({ 56, 592 }) == OpenColour && colour({ 56, 480 }) == White;
    }));
    QVERIFY(confirmAndWait(1));

    // Confirm with nothing marked: the warning, titled with the candidate's name, dismissed.
    m_x.click(centre(4));
    QVERIFY(waitFor([&] { return is(4, OpenColour); }));
    m_x.click(ConfirmPoint);
    QVERIFY2(answerBox(QStringLiteral("Emri Mbiemri"), QStringLiteral("Return")), "no warning box");
    QVERIFY(m_x.programRunning());

    // The end request: No, then again and Yes.
    m_x.click(Alternativa[0]);
    QVERIFY(waitFor([&] { return colour({ 646, 694 }) == OpenColour; }));
    m_x.click(ConfirmPoint);
    QVERIFY2(
        answerBox(QStringLiteral("K U J D E S !"), QStringLiteral("Escape")), "no end-request box");
    e = m_x.screenshot();
    QCOMPARE(colour({ 646, 534 }), QColor(0, 255, 0)); // still running: the confirm button stands
    m_x.click(ConfirmPoint);
    QVERIFY2(
        answerBox(QStringLiteral("K U J D E S !"), QStringLiteral("Return")), "no end-request box");

    // The closing screen: the percentage in red, the listing, the buttons moved with their
    // black number boxes, the leave button in light yellow.
    QVERIFY(waitFor([&] { return pixelsOf(e, QRect(616, 200, 161, 57), QColor(255, 0, 0)) > 30; }));
    QVERIFY(pixelsOf(e, QRect(100, 190, 240, 470), White) > 500);
    QVERIFY(pixelsOf(e, QRect(350, 190, 240, 470), Yellow) > 20);
    QCOMPARE(colour(button(1) + QPoint(5, 5) + face), Yellow);
    QCOMPARE(colour(button(5) + QPoint(5, 5) + face), Pink);
    QCOMPARE(colour(button(1) + QPoint(5, 5) - QPoint(14, 14)), QColor(Qt::black));
    QCOMPARE(colour({ 646, 494 }), QColor(255, 255, 192));
    e.save(QStringLiteral(PROVIMI_SCREENS_DIR "/xvfb-mbyllja.png"));

    // The leave button ends the program with status 0.
    m_x.click(LeavePoint);
    const int code = m_x.waitForExit(10000);
    QVERIFY2(code == 0,
        qPrintable(QStringLiteral("exit status %1; the program said:\n%2")
                       .arg(code)
                       .arg(m_x.programOutput())));
}

void TestRealSitting::noDisplay()
{
    // One plain line on standard error and status 1: no abort, no core file, no advice to
    // reinstall.
    QTemporaryDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *v : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
        env.remove(QString::fromLatin1(v));
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(dir.path());
    p.start(QStringLiteral(PROVIMI_EXE), {});
    QVERIFY(p.waitForFinished(20000));
    const QString err = QString::fromLocal8Bit(p.readAllStandardError());
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 1);
    QCOMPARE(err,
        QStringLiteral("provimi: nuk ka ekran ku të hapet dritarja e provimit (DISPLAY: i "
                       "pacaktuar).\n"));
    QVERIFY(QDir(dir.path()).isEmpty());
}

void TestRealSitting::keyboardSitting()
{
    // Keys alone from the start: no click gives the window the keyboard.
    launch();
    if (QTest::currentTestFailed())
        return;
    auto is = [&](int i, const QColor &c) { return m_e.pixelColor(button(i) + QPoint(6, 6)) == c; };
    auto marked
        = [&](int j) { return m_e.pixelColor(Alternativa[j] - QPoint(280, 10)) == OpenColour; };
    auto confirmed = [&](int i) {
        return waitFor([&] {
            return is(i, OpenColour) && pixelsOf(m_e, QRect(80, 205, 240, 40), White) > 50;
        });
    };
    const QString title = QStringLiteral("K U J D E S !");
    QVERIFY(waitFor([&] { return is(1, Pink); }));

    // The focus starts on question 1: open it, mark B by its letter, confirm with Return.
    keys(QStringLiteral("key Return"));
    QVERIFY(waitFor([&] { return is(1, OpenColour); }));
    keys(QStringLiteral("key b Return"));
    QVERIFY(confirmed(1));
    // The focus is back on question 1; the grid's edges hold it; right and down reach 7.
    keys(QStringLiteral("key Up Left Right Down Return"));
    QVERIFY(waitFor([&] { return is(7, OpenColour) && is(1, Yellow); }));
    keys(QStringLiteral("key A Return"));
    QVERIFY(confirmed(7));
    // Re-open question 1 (B marked again) and change the answer to C.
    keys(QStringLiteral("key Up Left Return"));
    QVERIFY(waitFor([&] { return is(1, OpenColour) && marked(2); }));
    keys(QStringLiteral("key c"));
    QVERIFY(waitFor([&] { return marked(3) && !marked(2); }));
    keys(QStringLiteral("key Return"));
    QVERIFY(confirmed(1));

    // Back from question 1 to the leave alternative, marked with Space; on to KONFIRMOJ.
    keys(QStringLiteral("key shift+Tab shift+Tab space Tab"));
    QVERIFY(waitFor([&] { return m_e.pixelColor(646, 694) == OpenColour; }));
    // Space twice in quick succession: the second press does not answer the box the first
    // opened. Escape, once the box has stood half a second, answers No.
    keys(QStringLiteral("key --delay 80 space space"));
    QVERIFY(to([&] { return !box(title).isEmpty(); }));
    QThread::msleep(700);
    QVERIFY(!box(title).isEmpty());
    keys(QStringLiteral("key Escape"));
    QVERIFY(to([&] { return box(title).isEmpty(); }));
    // Again, and Yes with Return.
    keys(QStringLiteral("key Return"));
    QVERIFY(to([&] { return !box(title).isEmpty(); }));
    QThread::msleep(700);
    keys(QStringLiteral("key Return"));
    QVERIFY(
        waitFor([&] { return pixelsOf(m_e, QRect(616, 200, 161, 57), QColor(255, 0, 0)) > 30; }));
    // Both answered questions stand yellow, moved 5 right and down; an unopened one pink.
    for (int i : { 1, 7 })
        QCOMPARE(m_e.pixelColor(button(i) + QPoint(11, 11)), Yellow);
    QCOMPARE(m_e.pixelColor(button(2) + QPoint(11, 11)), Pink);
    m_e.save(QStringLiteral(PROVIMI_SCREENS_DIR "/xvfb-tastiera.png"));

    // The leave button is the only stop left: Tab stays on it, Space ends the program.
    keys(QStringLiteral("key Tab space"));
    const int code = m_x.waitForExit(10000);
    QVERIFY2(code == 0, qPrintable(QStringLiteral("exit status %1").arg(code)));
}

int main(int argc, char *argv[])
{
    const QString why = XSession::whyUnavailable();
    if (!why.isEmpty()) {
        std::printf("SKIPPED: the real-window sitting needs an X server: %s\n", qPrintable(why));
        return 77;
    }
    QCoreApplication app(argc, argv);
    TestRealSitting t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_realsitting.moc"
