// A short sitting through the real window on its own X server with no window manager, with the
// keyboard alone, from the start to the program's end with status 0; the behaviour in between is
// the other suites' part (the kiosk test clicks the real window). The program is started with
// -reverse, which must not mirror it. And the program started with no display at all.

#include "support/Grab.h"
#include "support/Grid.h"
#include "support/XSession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstdio>

class TestRealSitting final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void keyboardSitting();
    void noDisplay();

private:
    void launch();
    // Polls until `condition` holds for a fresh screenshot in m_e.
    template<typename F>
    static bool to(F condition)
    {
        QElapsedTimer t;
        t.start();
        for (; t.elapsed() < 10000; QThread::msleep(40))
            if (condition())
                return true;
        return false;
    }
    template<typename F>
    bool waitFor(F condition)
    {
        return to([&] { return !(m_e = m_x.screenshot()).isNull() && condition(); });
    }
    bool is(int i, const QColor &c) const { return m_e.pixelColor(gridPlace(i) + Face) == c; }
    // The flight over: question i still green, the answer area blank under white text.
    bool confirmed(int i)
    {
        return waitFor(
            [&] { return is(i, Open) && pixelsOf(m_e, QRect(80, 205, 240, 40), Qt::white) > 50; });
    }
    QString box()
    {
        return m_x
            .xdotool({ QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                QStringLiteral("--name"), QStringLiteral("^K U J D E S !$") })
            .section(QLatin1Char('\n'), 0, 0);
    }
    void keys(const QString &k) { m_x.xdotool(k.split(QLatin1Char(' '))); }

    static constexpr QPoint Face { 6, 6 }; // on a button's face, clear of its caption
    const QColor Pink { 255, 128, 128 }, Open { 0, 192, 0 }, Yellow { 255, 255, 0 };
    XSession m_x;
    QImage m_e;
};

void TestRealSitting::initTestCase()
{
    QString wrong;
    QVERIFY2(m_x.start({ 1280, 1024 }, &wrong), qPrintable(wrong));
}

void TestRealSitting::launch()
{
    // One window without a title bar or name, covering the whole screen.
    QString wrong;
    QVERIFY2(m_x.startProgram(QStringLiteral(PROVIMI_EXE), &wrong, { QStringLiteral("-reverse") }),
        qPrintable(wrong));
    const QString window = m_x.waitForWindow();
    QVERIFY2(!window.isEmpty(), qPrintable(m_x.programOutput()));
    const QString g
        = m_x.xdotool({ QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window });
    QVERIFY2(g.contains(QLatin1String("X=0\nY=0\nWIDTH=1280\nHEIGHT=1024")), qPrintable(g));
    QCOMPARE(m_x.xdotool({ QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                 QStringLiteral("--class"), QStringLiteral("provimi") }),
        window);
    // The name is empty for the window system too: WM_NAME, which a search by name reads, and
    // _NET_WM_NAME, which getwindowname reads first.
    QVERIFY(m_x.xdotool({ QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                            QStringLiteral("--name"), QStringLiteral("^$") })
                .split(QLatin1Char('\n'))
                .contains(window));
    QCOMPARE(m_x.xdotool({ QStringLiteral("getwindowname"), window }), QString());
    QVERIFY(waitFor([&] { return is(1, Pink) && is(50, Pink); }));
}

void TestRealSitting::keyboardSitting()
{
    // Keys alone from the start: no click gives the window the keyboard.
    launch();
    if (QTest::currentTestFailed())
        return;
    // Left to right despite -reverse: the seconds "00" stand at the left of their label.
    QVERIFY(pixelsOf(m_e, QRect(706, 624, 30, 65), Qt::red) > 50);
    QCOMPARE(pixelsOf(m_e, QRect(758, 624, 13, 65), Qt::red), 0);
    auto marked = [&](int j) { return m_e.pixelColor(56, 424 + 56 * j) == Open; };
    // The focus starts on question 1: open it, mark B by its letter, confirm with Return.
    keys(QStringLiteral("key Return"));
    QVERIFY(waitFor([&] { return is(1, Open); }));
    keys(QStringLiteral("key b Return"));
    QVERIFY(confirmed(1));
    // The focus is back on question 1; the grid's edges hold it; right and down reach 7.
    keys(QStringLiteral("key Up Left Right Down Return"));
    QVERIFY(waitFor([&] { return is(7, Open) && is(1, Yellow); }));
    // Back to question 1 (B marked again), changed to C.
    keys(QStringLiteral("key Up Left Return"));
    QVERIFY(waitFor([&] { return is(1, Open) && marked(2); }));
    keys(QStringLiteral("key c"));
    QVERIFY(waitFor([&] { return marked(3) && !marked(2); }));
    keys(QStringLiteral("key Return"));
    QVERIFY(confirmed(1));

    // Back from question 1 to the leave alternative, marked with Space; on to KONFIRMOJ.
    keys(QStringLiteral("key shift+Tab shift+Tab space Tab"));
    QVERIFY(waitFor([&] { return m_e.pixelColor(646, 694) == Open; }));
    // Space twice in quick succession: the second press does not answer the box the first
    // opened. Escape, once the box has stood half a second, answers No.
    keys(QStringLiteral("key --delay 80 space space"));
    QVERIFY(to([&] { return !box().isEmpty(); }));
    QThread::msleep(700);
    QVERIFY(!box().isEmpty());
    keys(QStringLiteral("key Escape"));
    QVERIFY(to([&] { return box().isEmpty(); }));
    // Again, and Yes with Return.
    keys(QStringLiteral("key Return"));
    QVERIFY(to([&] { return !box().isEmpty(); }));
    QThread::msleep(700);
    keys(QStringLiteral("key Return"));
    QVERIFY(waitFor([&] { return pixelsOf(m_e, QRect(616, 200, 161, 57), Qt::red) > 30; }));
    QCOMPARE(m_e.pixelColor(gridPlace(1) + QPoint(5, 5) + Face), Yellow);
    QCOMPARE(m_e.pixelColor(gridPlace(2) + QPoint(5, 5) + Face), Pink);
    QCOMPARE(m_e.pixelColor(gridPlace(1) + QPoint(5, 5) - QPoint(14, 14)), QColor(Qt::black));
    QCOMPARE(m_e.pixelColor(646, 494), QColor(255, 255, 192)); // the leave button
    m_e.save(QStringLiteral(PROVIMI_SCREENS_DIR "/xvfb-keyboard.png"));
    // The leave button is the only stop left: Tab stays on it, Space ends the program.
    keys(QStringLiteral("key Tab space"));
    const int code = m_x.waitForExit(10000);
    QVERIFY2(code == 0, qPrintable(m_x.programOutput()));
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
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 1);
    QCOMPARE(QString::fromLocal8Bit(p.readAllStandardError()),
        QStringLiteral("provimi: nuk ka ekran ku të hapet dritarja e provimit (DISPLAY: i "
                       "pacaktuar).\n"));
    QVERIFY(QDir(dir.path()).isEmpty());
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
