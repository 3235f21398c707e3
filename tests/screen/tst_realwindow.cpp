// The real program on its own X server: a keyboard-alone sitting, no window manager, under a
// -reverse that must not mirror it; held by openbox's defaults; a second start; no display.

#include "support/Grab.h"
#include "support/Grid.h"
#include "support/XSession.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestRealWindow final : public QObject
{
    Q_OBJECT

private slots:
    void keyboardSitting();
    void heldByWindowManager();
    void noDisplay();
};

namespace {
const QColor Pink(255, 128, 128), Open(0, 192, 0);
const QString BoxTitle = u"^K U J D E S !$"_s;

// Question button i on a screenshot has this colour (on its face, clear of its caption).
bool is(const QImage &e, int i, const QColor &c)
{
    return e.pixelColor(gridPlace(i) + QPoint(6, 6)) == c;
}

// Window ids, as xprop writes them, from the bottom of the stacking order up.
QStringList stacking(XSession &x)
{
    return x.rootProperty(u"_NET_CLIENT_LIST_STACKING"_s).remove(u' ').split(u',');
}

QString hex(const QString &id)
{
    return u"0x%1"_s.arg(id.toULongLong(), 0, 16);
}

// What is wrong with a window held by the window manager: one of `actions` allowed, or a window
// menu shown by Alt+Space; empty when it is held.
QString heldFault(XSession &x, const QString &id, const QStringList &actions)
{
    const QString allowed = x.run(u"xprop"_s, { u"-id"_s, id, u"_NET_WM_ALLOWED_ACTIONS"_s });
    for (const QString &action : actions)
        if (allowed.contains(action))
            return allowed;
    x.xdotool({ u"windowfocus"_s, u"--sync"_s, id });
    QThread::msleep(200);
    const QImage before = x.screenshot();
    x.keys(u"key alt+space"_s);
    QThread::msleep(500);
    const QImage after = x.screenshot();
    x.keys(u"key Escape"_s); // a menu, if any, goes with it
    return !before.isNull() && before == after ? QString() : u"Alt+Space opened a menu"_s;
}
} // namespace

void TestRealWindow::keyboardSitting()
{
    XSession x;
    QImage e;
    QString wrong;
    QVERIFY2(x.start({ 1280, 1024 }, &wrong), qPrintable(wrong));
    // One window without a title bar or name, covering the whole screen.
    const QString window = x.startProgram(QStringLiteral(PROVIMI_EXE), &wrong, { u"-reverse"_s });
    QVERIFY2(!window.isEmpty(), qPrintable(wrong));
    QCOMPARE(x.geometry(window), QRect(0, 0, 1280, 1024));
    QCOMPARE(x.xdotool({ u"search"_s, u"--onlyvisible"_s, u"--class"_s, u"provimi"_s }), window);
    // An empty name in WM_NAME (a search by name) and _NET_WM_NAME (getwindowname).
    QVERIFY(x.xdotool({ u"search"_s, u"--onlyvisible"_s, u"--name"_s, u"^$"_s })
                .split(u'\n')
                .contains(window));
    QCOMPARE(x.xdotool({ u"getwindowname"_s, window }), QString());
    QVERIFY(x.shotUntil(&e, [&] { return is(e, 1, Pink) && is(e, 50, Pink); }));
    // Left to right despite -reverse: the seconds "00" stand at the left of their label.
    QVERIFY(pixelsOf(e, QRect(706, 624, 30, 65), Qt::red) > 50);
    QCOMPARE(pixelsOf(e, QRect(758, 624, 13, 65), Qt::red), 0);

    // Keys alone from the start (the keyboard scheme itself: tst_sitting): no click gives the
    // window the keyboard. The leave alternative marked, Return held on KONFIRMOJ for 3 s, well
    // into the X server's auto-repeat: the end request it opened stays open and the exam runs.
    QVERIFY(x.run(u"xset"_s, { u"q"_s }).contains(u"auto repeat:  on"_s));
    x.keys(u"key shift+Tab shift+Tab space"_s);
    QVERIFY(x.shotUntil(&e, [&] { return e.pixelColor(646, 694) == Open; }));
    x.xdotool({ u"keydown"_s, u"Return"_s });
    QVERIFY(!x.search(u"--name"_s, BoxTitle, 10000).isEmpty());
    QThread::msleep(3000);
    x.xdotool({ u"keyup"_s, u"Return"_s });
    QThread::msleep(300);
    QVERIFY(x.programRunning() && !x.search(u"--name"_s, BoxTitle).isEmpty());
    // A fresh press after the release answers Po.
    x.keys(u"key Return"_s);
    // The result is drawn and the leave button shown, once the box that stood over it is gone.
    QVERIFY(XSession::poll([&] { return x.search(u"--name"_s, BoxTitle).isEmpty(); }));
    QVERIFY(x.shotUntil(&e, [&] {
        return pixelsOf(e, QRect(616, 200, 161, 57), Qt::red) > 30
            && e.pixelColor(646, 494) == QColor(255, 255, 192);
    }));
    e.save(QStringLiteral(PROVIMI_SCREENS_DIR "/xvfb-keyboard.png"));
    // The leave button is the only stop left: Tab stays on it, Space ends the program.
    x.keys(u"key Tab space"_s);
    QVERIFY2(x.waitForExit(10000) == 0, qPrintable(x.programOutput()));
}

void TestRealWindow::heldByWindowManager()
{
    // Under openbox's defaults the exam and its end-request box can't be moved, resized,
    // iconified or closed; another window opens below the exam.
    XSession x;
    QString wrong;
    QVERIFY2(x.start({ 1280, 1024 }, &wrong, true), qPrintable(wrong));
    const QString id = x.startProgram(QStringLiteral(PROVIMI_EXE), &wrong), exam = hex(id);
    QVERIFY2(!id.isEmpty(), qPrintable(wrong));
    const QStringList Actions { u"MOVE"_s, u"RESIZE"_s, u"MINIMIZE"_s, u"CLOSE"_s };
    // Openbox keeps closing and iconifying for an ordinary window: the exam refuses the one and
    // takes itself back from the other (tst_windowmanagers).
    QCOMPARE(heldFault(x, id, { u"MOVE"_s, u"RESIZE"_s, u"MAXIMIZE"_s }), QString());
    const QString other = x.openOther();
    QVERIFY(!other.isEmpty());
    QThread::msleep(300);
    QStringList order = stacking(x);
    QVERIFY2(order.indexOf(hex(other)) < order.indexOf(exam), qPrintable(order.join(u' ')));

    // The end request: its box stands above the exam and is held the same way.
    x.click({ 700, 716 }); // the leave alternative, then KONFIRMOJ
    x.click({ 700, 552 });
    const QString box = x.search(u"--name"_s, BoxTitle, 10000);
    QVERIFY(!box.isEmpty());
    QThread::msleep(300);
    order = stacking(x);
    QVERIFY2(order.indexOf(exam) < order.indexOf(hex(box)), qPrintable(order.join(u' ')));
    QCOMPARE(heldFault(x, box, Actions), QString());
    // Answered No: the exam goes on.
    x.xdotool({ u"windowfocus"_s, u"--sync"_s, box });
    x.keys(u"key Escape"_s);
    QVERIFY(XSession::poll([&] { return x.search(u"--name"_s, BoxTitle).isEmpty(); }));

    // An opened question is the exam's state.
    x.click(gridPlace(1) + QPoint(16, 16));
    QImage e;
    QVERIFY(x.shotUntil(&e, [&] { return is(e, 1, Open); }));
    // A second start ends at once with status 0.
    QElapsedTimer t;
    t.start();
    int status = -2;
    x.run(QStringLiteral(PROVIMI_EXE), {}, {}, 5000, &status);
    QCOMPARE(status, 0);
    QVERIFY(t.elapsed() < 1000);
    // The first goes on as it was, the only exam on the display, in front with the keyboard.
    QVERIFY(x.programRunning());
    QVERIFY(is(x.screenshot(), 1, Open));
    QCOMPARE(stacking(x), QStringList({ hex(other), exam }));
    QVERIFY(XSession::poll([&] { return x.rootProperty(u"_NET_ACTIVE_WINDOW"_s) == exam; }));
}

void TestRealWindow::noDisplay()
{
    // One plain line on standard error and status 1, not an abort.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *v : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
        env.remove(QString::fromLatin1(v));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(PROVIMI_EXE), {});
    QVERIFY(p.waitForFinished(20000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 1);
    QCOMPARE(QString::fromLocal8Bit(p.readAllStandardError()),
        u"provimi: nuk ka ekran ku të hapet dritarja e provimit (DISPLAY: i pacaktuar).\n"_s);
}

XSESSION_TEST_MAIN(TestRealWindow, "openbox", "xprop", "xmessage", "xset")

#include "tst_realwindow.moc"
