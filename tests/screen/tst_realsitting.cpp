// The real window on its own X server, no window manager: a keyboard-alone sitting to exit 0
// under -reverse, which must not mirror it; and the program started with no display at all.

#include "support/Grab.h"
#include "support/Grid.h"
#include "support/XSession.h"

#include <QDir>
#include <QTest>

class TestRealSitting final : public QObject
{
    Q_OBJECT

private slots:
    void keyboardSitting();
    void noDisplay();

private:
    bool is(int i, const QColor &c) const { return m_e.pixelColor(gridPlace(i) + Face) == c; }
    // The flight over: question i still green, the answer area blank under white text.
    bool confirmed(int i)
    {
        return m_x.shotUntil(&m_e,
            [&] { return is(i, Open) && pixelsOf(m_e, QRect(80, 205, 240, 40), Qt::white) > 50; });
    }
    QString box() { return m_x.search(u"--name"_s, u"^K U J D E S !$"_s); }

    static constexpr QPoint Face { 6, 6 }; // on a button's face, clear of its caption
    const QColor Pink { 255, 128, 128 }, Open { 0, 192, 0 }, Yellow { 255, 255, 0 };
    XSession m_x;
    QImage m_e;
};

void TestRealSitting::keyboardSitting()
{
    QString wrong;
    QVERIFY2(m_x.start({ 1280, 1024 }, &wrong), qPrintable(wrong));
    // One window without a title bar or name, covering the whole screen.
    const QString window = m_x.startProgram(QStringLiteral(PROVIMI_EXE), &wrong, { u"-reverse"_s });
    QVERIFY2(!window.isEmpty(), qPrintable(wrong));
    QCOMPARE(m_x.geometry(window), QRect(0, 0, 1280, 1024));
    QCOMPARE(m_x.xdotool({ u"search"_s, u"--onlyvisible"_s, u"--class"_s, u"provimi"_s }), window);
    // An empty name in WM_NAME (a search by name) and _NET_WM_NAME (getwindowname).
    QVERIFY(m_x.xdotool({ u"search"_s, u"--onlyvisible"_s, u"--name"_s, u"^$"_s })
                .split(u'\n')
                .contains(window));
    QCOMPARE(m_x.xdotool({ u"getwindowname"_s, window }), QString());
    QVERIFY(m_x.shotUntil(&m_e, [&] { return is(1, Pink) && is(50, Pink); }));
    // Left to right despite -reverse: the seconds "00" stand at the left of their label.
    QVERIFY(pixelsOf(m_e, QRect(706, 624, 30, 65), Qt::red) > 50);
    QCOMPARE(pixelsOf(m_e, QRect(758, 624, 13, 65), Qt::red), 0);

    // Keys alone from the start: no click gives the window the keyboard.
    auto marked = [&](int j) { return m_e.pixelColor(56, 424 + 56 * j) == Open; };
    // The focus starts on question 1: open it, mark B by its letter, confirm with Return.
    m_x.keys(u"key Return"_s);
    QVERIFY(m_x.shotUntil(&m_e, [&] { return is(1, Open); }));
    m_x.keys(u"key b Return"_s);
    QVERIFY(confirmed(1));
    // The focus is back on question 1; the grid's edges hold it; right and down reach 7.
    m_x.keys(u"key Up Left Right Down Return"_s);
    QVERIFY(m_x.shotUntil(&m_e, [&] { return is(7, Open) && is(1, Yellow); }));
    // Back to question 1 (B marked again), changed to C.
    m_x.keys(u"key Up Left Return"_s);
    QVERIFY(m_x.shotUntil(&m_e, [&] { return is(1, Open) && marked(2); }));
    m_x.keys(u"key c"_s);
    QVERIFY(m_x.shotUntil(&m_e, [&] { return marked(3) && !marked(2); }));
    m_x.keys(u"key Return"_s);
    QVERIFY(confirmed(1));

    // Back to the leave alternative, marked with Space, which moves the focus on to KONFIRMOJ.
    m_x.keys(u"key shift+Tab shift+Tab space"_s);
    QVERIFY(m_x.shotUntil(&m_e, [&] { return m_e.pixelColor(646, 694) == Open; }));
    // Return asks to end; Return, once the box has taken keys for half a second, answers Yes.
    m_x.keys(u"key Return"_s);
    QVERIFY(XSession::poll([&] { return !box().isEmpty(); }));
    QThread::msleep(700);
    m_x.keys(u"key Return"_s);
    // The result is drawn and the leave button shown, once the box that stood over it is gone.
    QVERIFY(XSession::poll([&] { return box().isEmpty(); }));
    QVERIFY(m_x.shotUntil(&m_e, [&] {
        return pixelsOf(m_e, QRect(616, 200, 161, 57), Qt::red) > 30
            && m_e.pixelColor(646, 494) == QColor(255, 255, 192);
    }));
    m_e.save(QStringLiteral(PROVIMI_SCREENS_DIR "/xvfb-keyboard.png"));
    // The leave button is the only stop left: Tab stays on it, Space ends the program.
    m_x.keys(u"key Tab space"_s);
    QVERIFY2(m_x.waitForExit(10000) == 0, qPrintable(m_x.programOutput()));
}

void TestRealSitting::noDisplay()
{
    // One plain line on standard error and status 1: no abort, no core file.
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
        u"provimi: nuk ka ekran ku të hapet dritarja e provimit (DISPLAY: i pacaktuar).\n"_s);
    QVERIFY(QDir(dir.path()).isEmpty());
}

XSESSION_TEST_MAIN(TestRealSitting, "the real-window sitting")

#include "tst_realsitting.moc"
