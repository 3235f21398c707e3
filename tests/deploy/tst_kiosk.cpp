// The kiosk session of the unpacked package on 1920 x 1080 at a desktop's 120 dpi: its scale
// alone fits the exam, the window manager takes no keys, and the session ends with the exam.

#include "support/Grab.h"
#include "support/XSession.h"

#include <QDebug>
#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestKiosk final : public QObject
{
    Q_OBJECT

private slots:
    void session();
};

// A point of the 1024 x 768 design on the screen, at min(1920 / 1024, 1080 / 768) rounded down.
static QPoint scaled(int x, int y)
{
    return { qRound(x * 1.4), qRound(y * 1.4) };
}

void TestKiosk::session()
{
    XSession x;
    QString error;
    QVERIFY2(x.start({ 1920, 1080 }, &error), qPrintable(error));
    x.run(u"xrdb"_s, { u"-nocpp"_s, u"-merge"_s }, "Xft.dpi: 120\n");

    const QString window
        = x.startProgram(QStringLiteral(PROVIMI_PACKAGE_ROOT "/usr/bin/provimi-kiosk"), &error);
    QVERIFY2(!window.isEmpty(), qPrintable(error));
    // It covers the screen: at 1.4 the window reaches one pixel past it, which the screen clips.
    const QRect g = x.geometry(window);
    QVERIFY2(g.contains(QRect(0, 0, 1920, 1080)) && QRect(0, 0, 1921, 1081).contains(g),
        qPrintable(QDebug::toString(g)));
    QImage e;
    QVERIFY2(
        x.shotUntil(&e, [&] { return e.pixelColor(scaled(786, 206)) == QColor(255, 128, 128); }),
        "question button 1 is not at its scaled place");
    QDir().mkpath(QStringLiteral(PROVIMI_SCREENS_DIR));
    e.save(QStringLiteral(PROVIMI_SCREENS_DIR "/kiosk-1920x1080.png"));

    // The usual window manager keys bring up no menu or popup and leave the exam where it is.
    const QStringList all { u"search"_s, u"--onlyvisible"_s, u"--name"_s, QString() };
    const QString before = x.xdotool(all);
    x.keys(u"key alt+space alt+F4 alt+Escape alt+Tab super+d ctrl+alt+Right"_s);
    QThread::msleep(700);
    QVERIFY(x.programRunning());
    QCOMPARE(x.xdotool(all), before);
    QCOMPARE(x.geometry(window), g);

    // The end request's box carries its own navy title bar with the title in white.
    x.click(scaled(700, 716));
    x.click(scaled(700, 552));
    const QString box = x.search(u"--name"_s, u"^K U J D E S !$"_s, 10000);
    QVERIFY(!box.isEmpty());
    const QRect bar(x.geometry(box).topLeft() + QPoint(2, 2), QSize(200, 28)); // 24 at 1.4
    QVERIFY(x.shotUntil(&e, [&] {
        return pixelsOf(e, bar, QColor(0, 0, 128)) > 2000 && pixelsOf(e, bar, Qt::white) > 20;
    }));
    e.save(QStringLiteral(PROVIMI_SCREENS_DIR "/kiosk-end-request.png"));

    // Yes, once the box takes keys, ends the exam; its leave button ends the session.
    QThread::msleep(700);
    x.xdotool({ u"windowfocus"_s, u"--sync"_s, box });
    x.keys(u"key Return"_s);
    QVERIFY(
        x.shotUntil(&e, [&] { return e.pixelColor(scaled(646, 494)) == QColor(255, 255, 192); }));
    x.click(scaled(700, 502));
    QCOMPARE(x.waitForExit(10000), 0);
}

XSESSION_TEST_MAIN(TestKiosk, "openbox", "xdpyinfo", "xset", "xprop", "xrdb")

#include "tst_kiosk.moc"
