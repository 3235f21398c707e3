// The real program on its own X server: a keyboard-alone sitting, no window manager, under a
// -reverse that must not mirror it.

#include "support/Grab.h"
#include "support/OnScreen.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestRealWindow final : public QObject
{
    Q_OBJECT

private slots:
    void keyboardSitting();
};

using namespace OnScreen;

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
    QVERIFY(x.shotUntil(&e, [&] { return question(e, 1, Unread) && question(e, 50, Unread); }));
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
    QVERIFY(boxGone(x));
    QVERIFY(x.shotUntil(&e, [&] {
        return pixelsOf(e, QRect(616, 200, 161, 57), Qt::red) > 30
            && e.pixelColor(646, 494) == QColor(255, 255, 192);
    }));
    saveScreen(e, u"xvfb-keyboard"_s);
    // The leave button is the only stop left: Tab stays on it, Space ends the program.
    x.keys(u"key Tab space"_s);
    QVERIFY2(x.waitForExit(10000) == 0, qPrintable(x.programOutput()));
}

XSESSION_TEST_MAIN(TestRealWindow, "xset")

#include "tst_realwindow.moc"
