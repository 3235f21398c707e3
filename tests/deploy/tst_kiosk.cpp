// The exam session from the unpacked Debian package, started as a display manager starts it,
// on a 1920 x 1080 screen whose desktop asks for 120 dpi: the session's scale alone fits the
// exam to the screen, the window manager frames the message boxes and takes no keys, and the
// session ends with the exam.

#include "support/Grab.h"
#include "support/XSession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

#include <cstdio>

class TestKiosk final : public QObject
{
    Q_OBJECT

private slots:
    void session();
};

namespace {
const double Scale = 1.4; // min(1920 / 1024, 1080 / 768), rounded down to two decimals

// A point of the 1024 x 768 design on the screen.
QPoint scaled(QPoint p)
{
    return { qRound(p.x() * Scale), qRound(p.y() * Scale) };
}

const QPoint Question1Face = scaled({ 780 + 6, 200 + 6 }); // clear of its caption
const QPoint LeaveRequest = scaled({ 700, 716 });
const QPoint Confirm = scaled({ 700, 552 });
const QPoint Leave = scaled({ 700, 502 });
const QPoint LeaveFace = scaled({ 646, 494 });
} // namespace

void TestKiosk::session()
{
    XSession x;
    QString error;
    QVERIFY2(x.start({ 1920, 1080 }, &error), qPrintable(error));
    auto run = [&](const QString &tool, const QStringList &args, const QByteArray &input = {}) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), x.display());
        p.setProcessEnvironment(env);
        p.start(tool, args);
        p.write(input);
        p.closeWriteChannel();
        p.waitForFinished(10000);
        return QString::fromLocal8Bit(p.readAllStandardOutput());
    };
    run(QStringLiteral("xrdb"), { QStringLiteral("-nocpp"), QStringLiteral("-merge") },
        "Xft.dpi: 120\n");
    QVERIFY(run(QStringLiteral("xrdb"), { QStringLiteral("-query") }).contains(u"120"));

    QVERIFY2(x.startProgram(QStringLiteral(PROVIMI_PACKAGE_ROOT "/usr/bin/provimi-kiosk"), &error),
        qPrintable(error));
    const QString window = x.waitForWindow();
    QVERIFY2(!window.isEmpty(), qPrintable(x.programOutput()));
    const QString g
        = x.xdotool({ QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window });
    // It covers the screen: at 1.4 the window reaches one pixel past it, which the screen clips.
    const int width = g.section(QStringLiteral("WIDTH="), 1).section(u'\n', 0, 0).toInt();
    const int height = g.section(QStringLiteral("HEIGHT="), 1).section(u'\n', 0, 0).toInt();
    QVERIFY2(g.contains(u"X=0\n") && g.contains(u"Y=0\n") && (width == 1920 || width == 1921)
            && (height == 1080 || height == 1081),
        qPrintable(g));

    QImage e;
    auto until = [&](auto condition) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 10000) {
            e = x.screenshot();
            if (!e.isNull() && condition())
                return true;
            QThread::msleep(40);
        }
        return false;
    };
    QVERIFY2(until([&] { return e.pixelColor(Question1Face) == QColor(255, 128, 128); }),
        "question button 1 is not at its scaled place");
    QDir().mkpath(QStringLiteral(PROVIMI_SCREENS_DIR));
    e.save(QStringLiteral(PROVIMI_SCREENS_DIR "/kiosk-1920x1080.png"));

    // The keys of a usual window manager (window menu, close, lower, switch, show the desktop,
    // next desktop) bring up no menu or popup and leave the exam window where it is; what the
    // exam itself does with them is its own affair.
    auto visibleWindows = [&] {
        return x.xdotool({ QStringLiteral("search"), QStringLiteral("--onlyvisible"),
            QStringLiteral("--name"), QString() });
    };
    const QString before = visibleWindows();
    x.xdotool({ QStringLiteral("key"), QStringLiteral("alt+space"), QStringLiteral("alt+F4"),
        QStringLiteral("alt+Escape"), QStringLiteral("alt+Tab"), QStringLiteral("super+d"),
        QStringLiteral("ctrl+alt+Right") });
    QThread::msleep(700);
    QVERIFY(x.programRunning());
    QCOMPARE(visibleWindows(), before);
    QCOMPARE(
        x.xdotool({ QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window }), g);

    // The end request's box comes framed, with its title on the title bar.
    x.click(LeaveRequest);
    x.click(Confirm);
    QString box;
    QVERIFY(until([&] {
        box = x.xdotool({ QStringLiteral("search"), QStringLiteral("--onlyvisible"),
            QStringLiteral("--name"), QStringLiteral("^K U J D E S !$") });
        return !box.isEmpty();
    }));
    QTest::qWait(300);
    x.screenshot().save(QStringLiteral(PROVIMI_SCREENS_DIR "/kiosk-kujdes.png"));
    // The box carries its own title bar, navy with the title in white, whatever the window
    // manager does.
    const QString where = x.xdotool({ QStringLiteral("getwindowgeometry"),
        QStringLiteral("--shell"), box.section(u'\n', 0, 0) });
    const QPoint corner(where.section(QStringLiteral("X="), 1).section(u'\n', 0, 0).toInt(),
        where.section(QStringLiteral("Y="), 1).section(u'\n', 0, 0).toInt());
    const QImage shot = x.screenshot();
    const QRect bar(corner + QPoint(2, 2), QSize(200, 28)); // 24 logical pixels at 1.4
    QVERIFY2(pixelsOf(shot, bar, QColor(0, 0, 128)) > 2000, qPrintable(where));
    QVERIFY2(pixelsOf(shot, bar, Qt::white) > 20, qPrintable(where));

    // Yes ends the exam; its leave button ends the program and with it the session.
    x.xdotool({ QStringLiteral("windowfocus"), QStringLiteral("--sync"), box });
    x.xdotool({ QStringLiteral("key"), QStringLiteral("Return") });
    QVERIFY(until([&] { return e.pixelColor(LeaveFace) == QColor(255, 255, 192); }));
    x.click(Leave);
    QCOMPARE(x.waitForExit(10000), 0);
}

int main(int argc, char *argv[])
{
    QString why = XSession::whyUnavailable();
    for (const char *tool : { "openbox", "xdpyinfo", "xset", "xprop", "xrdb" })
        if (why.isEmpty() && QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            why = QStringLiteral("%1 is not installed (scripts/install-deps.sh installs it)")
                      .arg(QLatin1String(tool));
    if (!why.isEmpty()) {
        std::printf("SKIPPED: the kiosk session needs an X server: %s\n", qPrintable(why));
        return 77;
    }
    QCoreApplication app(argc, argv);
    TestKiosk t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_kiosk.moc"
