// The kiosk session of the unpacked package on the screens exam terminals have: the exam fitted
// to each, whole and centred, and clicked where it is drawn; an administrator's factor that
// does not fit lowered; a desktop's 120 dpi ignored; the session ending with the exam; the screen
// kept awake; a screen below 1024 x 600 refused. On 1920 x 1080 the screen reader is on: it comes
// up on the session's own bus, and goes with it.

#include "support/Banks.h"
#include "support/Grab.h"
#include "support/OnScreen.h"

#include <QDebug>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;

class TestKiosk final : public QObject
{
    Q_OBJECT

private slots:
    void session_data();
    void session();
    void tooSmall();
};

namespace {
using namespace OnScreen;
const QString Kiosk = QStringLiteral(PROVIMI_PACKAGE_ROOT "/usr/bin/provimi-kiosk");
const QColor Green(0, 255, 0), PaleYellow(255, 255, 192);

// Where the session puts the 1024 x 768 design on a screen: scaled by the smaller of w/1024 and
// h/768 in hundredths, rounded down (Qt scales from 1 up, the window zooms below 1), centred.
struct Fit
{
    double scale; // Qt's
    double zoom; // the window's
    QPointF origin; // of the design, in the window's pixels

    explicit Fit(QSize screen)
    {
        const int f = std::min(screen.width() * 100 / 1024, screen.height() * 100 / 768);
        scale = std::max(f, 100) / 100.0;
        zoom = std::min(f, 100) / 100.0;
        origin = (QPointF(screen.width(), screen.height()) / scale - QPointF(1024, 768) * zoom) / 2;
    }
    QPoint at(double x, double y) const
    {
        return ((origin + QPointF(x, y) * zoom) * scale).toPoint();
    }
    // A design rectangle on the screen, less a margin for rounding: what is surely inside it.
    QRect inside(QRect d) const
    {
        return QRect(at(d.left(), d.top()), at(d.right() + 1, d.bottom() + 1))
            .adjusted(3, 3, -4, -4);
    }
    QRect design() const { return inside({ 0, 0, 1024, 768 }).adjusted(-6, -6, 7, 7); }
};

// Pixels of the screenshot outside the design that are not black.
int outside(const QImage &e, const QRect &design)
{
    const QRect all = e.rect(), d = design.intersected(all);
    return all.width() * all.height() - d.width() * d.height() - pixelsOf(e, all, Qt::black)
        + pixelsOf(e, d, Qt::black);
}

// A variable of a process's environment, read from /proc.
QString environmentOf(const QString &pid, const QByteArray &name)
{
    QFile f(u"/proc/%1/environ"_s.arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return u"(unreadable)"_s;
    for (const QByteArray &v : f.readAll().split('\0'))
        if (v.startsWith(name + '='))
            return QString::fromLocal8Bit(v.mid(name.size() + 1));
    return {};
}
} // namespace

void TestKiosk::session_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QString>("administrators");
    QTest::addColumn<QString>("scale");
    QTest::addColumn<QString>("fit");
    QTest::newRow("1024x600") << QSize(1024, 600) << QString() << u"1"_s << u"0.78"_s;
    QTest::newRow("1280x720") << QSize(1280, 720) << QString() << u"1"_s << u"0.93"_s;
    QTest::newRow("1366x768") << QSize(1366, 768) << QString() << u"1"_s << u"1"_s;
    // An administrator's 1.5 would push the bottom rows below the screen; a desktop's 120 dpi
    // must not multiply the session's scale.
    QTest::newRow("1920x1080") << QSize(1920, 1080) << u"1.5"_s << u"1.4"_s << u"1.4"_s;
    QTest::newRow("3840x2160") << QSize(3840, 2160) << QString() << u"2.81"_s << u"2.81"_s;
}

void TestKiosk::session()
{
    QFETCH(QSize, screen);
    QFETCH(QString, administrators);
    QFETCH(QString, scale);
    QFETCH(QString, fit);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const Fit f(screen);
    const bool wide = screen == QSize(1920, 1080);

    XSession x;
    QString error;
    QVERIFY2(x.start(screen, &error), qPrintable(error));
    if (wide)
        x.run(u"xrdb"_s, { u"-nocpp"_s, u"-merge"_s }, "Xft.dpi: 120\n");
    QTemporaryDir home; // Orca's settings, speech-dispatcher's sockets
    if (wide) {
        x.addEnvironment(u"HOME"_s, home.path());
        x.addEnvironment(u"XDG_RUNTIME_DIR"_s, home.path());
        x.addEnvironment(u"PROVIMI_SCREEN_READER"_s, u"1"_s);
    }
    // The accessibility bus, which the screen reader starts, announces itself on the screen.
    auto accessibilityBus = [&] {
        return x.run(u"xprop"_s, { u"-root"_s, u"AT_SPI_BUS"_s }).contains(u"unix:"_s);
    };
    // Xvfb has no display power management for `xset q` to report, so the session's calls are
    // also written down on their way to the real xset, first on the path.
    QTemporaryDir spy;
    const QString calls = spy.filePath(u"calls"_s);
    Banks::writeFile(spy.path(), u"xset"_s,
        u"#!/bin/sh\necho \"$*\" >>'%1'\nexec '%2' \"$@\"\n"_s
            .arg(calls, QStandardPaths::findExecutable(u"xset"_s))
            .toLocal8Bit());
    QFile::setPermissions(spy.filePath(u"xset"_s), QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(spy.path()) + ':' + path);
    if (administrators.isEmpty())
        qunsetenv("QT_SCALE_FACTOR");
    else
        qputenv("QT_SCALE_FACTOR", administrators.toLatin1());
    const QString window = x.startProgram(Kiosk, &error);
    qunsetenv("QT_SCALE_FACTOR");
    qputenv("PATH", path);
    QVERIFY2(!window.isEmpty(), qPrintable(error));
    // Once the exam is up the screen saver is off and does not blank.
    const QString q = x.run(u"xset"_s, { u"q"_s });
    QVERIFY2(q.contains(u"prefer blanking:  no"_s) && q.contains(u"timeout:  0 "_s), qPrintable(q));
    QFile called(calls);
    QVERIFY(called.open(QIODevice::ReadOnly) && called.readAll().split('\n').contains("-dpms"));
    QVERIFY2(!wide || XSession::poll(accessibilityBus, 20000), "no screen reader in the session");
    // The exam gets Qt's scale and its own fit, and the date's locale.
    const QString pid = x.xdotool({ u"getwindowpid"_s, window });
    QCOMPARE(environmentOf(pid, "QT_SCALE_FACTOR"), scale);
    QCOMPARE(environmentOf(pid, "PROVIMI_FIT"), fit);
    QCOMPARE(environmentOf(pid, "PROVIMI_DATE_LOCALE"), u"sq_AL"_s);
    QString log;
    if (!administrators.isEmpty())
        QTRY_VERIFY2((log += x.programOutput())
                         .contains(u"me QT_SCALE_FACTOR=1.5 provimi del jashtë ekranit 1920x1080; "
                                   "përdoret 1.4."_s),
            qPrintable(log));
    // It covers the screen (at a fractional scale one window pixel past it, which the screen
    // clips).
    const QRect g = x.geometry(window);
    const int past = int(std::ceil(f.scale));
    QVERIFY2(g.contains(QRect(QPoint(0, 0), screen))
            && QRect(QPoint(0, 0), screen + QSize(past, past)).contains(g),
        qPrintable(QDebug::toString(g)));

    // The start-up screen, every control on it inside the design and the rest black: the logo
    // at its top left, the last question button at its bottom right, the last answer, the
    // leave alternative, KONFIRMOJ and the clock.
    QImage e;
    auto has = [&](QRect design, const QColor &c, int least) {
        return pixelsOf(e, f.inside(design), c) >= least;
    };
    // Mostly not black: a picture.
    auto drawn = [&](QRect design) {
        const QRect r = f.inside(design);
        return pixelsOf(e, r, Qt::black) < r.width() * r.height() / 2;
    };
    auto startUp = [&] {
        return has({ 780, 200, 33, 33 }, Unread, 100) && has({ 978, 705, 33, 33 }, Unread, 100)
            && has({ 48, 696, 577, 47 }, Qt::white, 5000)
            && has({ 640, 688, 121, 57 }, Qt::white, 1000)
            && has({ 640, 528, 121, 49 }, Green, 1000) && has({ 640, 624, 131, 65 }, Qt::red, 200)
            && drawn({ 8, 8, 64, 64 }) && drawn({ 850, 10, 93, 131 })
            && outside(e, f.design()) == 0;
    };
    const bool shown = x.shotUntil(&e, startUp);
    saveScreen(e, u"kiosk-%1-start"_s.arg(name));
    QVERIFY2(shown, "the start-up screen is not whole and centred");

    // Question 1, answer A and KONFIRMOJ, clicked where they are drawn: the question opens, the
    // answer is marked, and after the flight the exam asks for another question (above where
    // the question stood).
    x.click(f.at(796, 216));
    QVERIFY(x.shotUntil(&e, [&] { return has({ 780, 200, 33, 33 }, Open, 100); }));
    saveScreen(e, u"kiosk-%1-question"_s.arg(name));
    x.click(f.at(336, 496));
    QVERIFY(x.shotUntil(&e, [&] { return has({ 48, 472, 577, 49 }, Open, 5000); }));
    x.click(f.at(700, 552));
    QVERIFY(x.shotUntil(&e, [&] {
        return has({ 780, 200, 33, 33 }, Open, 100) && has({ 80, 205, 240, 40 }, Qt::white, 50);
    }));

    // The leave alternative and KONFIRMOJ: the end request's box, centred over the design, with
    // its own navy title bar and the title in white.
    x.click(f.at(700, 716));
    QVERIFY(x.shotUntil(&e, [&] { return has({ 640, 688, 121, 57 }, Open, 1000); }));
    x.click(f.at(700, 552));
    const QString box = x.search(u"--name"_s, BoxTitle, 10000);
    QVERIFY(!box.isEmpty());
    const QRect b = x.geometry(box);
    const QPoint off = b.center() - f.at(512, 384);
    QVERIFY2(std::abs(off.x()) <= 4 && std::abs(off.y()) <= 4 && f.design().contains(b),
        qPrintable(QDebug::toString(b)));
    const QRect bar(b.topLeft() + QPoint(2, 2), QSize(b.width() - 4, int(20 * f.scale)));
    const bool titled = x.shotUntil(&e, [&] {
        return pixelsOf(e, bar, QColor(0, 0, 128)) > 1000 && pixelsOf(e, bar, Qt::white) > 20;
    });
    saveScreen(e, u"kiosk-%1-box"_s.arg(name));
    QVERIFY(titled);

    // Yes, once the box takes keys: the closing screen, the percentage and the leave button, all
    // inside the design; the leave button, clicked where it is drawn, ends the session.
    QThread::msleep(700);
    x.xdotool({ u"windowfocus"_s, u"--sync"_s, box });
    x.keys(u"key Return"_s);
    QVERIFY(boxGone(x));
    const bool closed = x.shotUntil(&e, [&] {
        return pixelsOf(e, bar, QColor(0, 0, 128)) == 0
            && has({ 640, 488, 121, 29 }, PaleYellow, 500)
            && has({ 616, 200, 161, 57 }, Qt::red, 100) && outside(e, f.design()) == 0;
    });
    saveScreen(e, u"kiosk-%1-closing"_s.arg(name));
    QVERIFY2(closed, "the closing screen is not whole and centred");
    x.click(f.at(700, 502));
    QCOMPARE(x.waitForExit(10000), 0);
    QVERIFY2(!wide || XSession::poll([&] { return !accessibilityBus(); }, 5000),
        "the session's accessibility bus outlived it");
}

void TestKiosk::tooSmall()
{
    // One line on the screen until it is closed, the same in the session's log, status 1.
    XSession x;
    QString error;
    QVERIFY2(x.start({ 800, 600 }, &error), qPrintable(error));
    QProcess kiosk;
    kiosk.setProcessEnvironment(x.environment());
    kiosk.start(Kiosk, {});
    const QString message = x.search(u"--class"_s, u"Xmessage"_s, 10000);
    QVERIFY(!message.isEmpty());
    const QRect g = x.geometry(message);
    QVERIFY2(
        QRect(0, 0, 800, 600).contains(g) && g.height() < 100, qPrintable(QDebug::toString(g)));
    QImage e;
    QVERIFY(x.shotUntil(&e, [&] { return pixelsOf(e, g, Qt::black) > 200; }));
    saveScreen(e, u"kiosk-800x600"_s);
    x.xdotool({ u"windowfocus"_s, u"--sync"_s, message });
    x.keys(u"key Return"_s);
    QVERIFY(kiosk.waitForFinished(10000));
    QCOMPARE(kiosk.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(kiosk.readAllStandardError()),
        u"provimi-kiosk: Ekrani 800x600 është shumë i vogël për provimin: duhet të jetë të "
        "paktën 1024x600.\n"_s);
}

XSESSION_TEST_MAIN(TestKiosk, "openbox", "xdpyinfo", "xset", "xprop", "xrdb", "xmessage", "orca")

#include "tst_kiosk.moc"
