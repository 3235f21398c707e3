// Under openbox's defaults the exam and its end-request box can't be moved, resized, iconified or
// closed; another window opens below the exam; a second start only brings the exam to the front.

#include "support/XSession.h"

#include <QTest>

class TestWindowManager final : public QObject
{
    Q_OBJECT

private slots:
    void heldByWindowManager();

private:
    // Window ids, as xprop writes them, from the bottom of the stacking order up.
    QStringList stacking()
    {
        return m_x.rootProperty(u"_NET_CLIENT_LIST_STACKING"_s)
            .remove(u' ')
            .split(u',', Qt::SkipEmptyParts);
    }
    static QString hex(const QString &id) { return u"0x%1"_s.arg(id.toULongLong(), 0, 16); }
    // None of `actions` is allowed on the window, and Alt+Space (the window menu) shows nothing.
    void held(const QString &id, const QStringList &actions, const char *what)
    {
        const QString allowed = m_x.run(u"xprop"_s, { u"-id"_s, id, u"_NET_WM_ALLOWED_ACTIONS"_s });
        for (const QString &action : actions)
            QVERIFY2(!allowed.contains(action), qPrintable(allowed));
        m_x.xdotool({ u"windowfocus"_s, u"--sync"_s, id });
        QThread::msleep(200);
        const QImage before = m_x.screenshot();
        m_x.keys(u"key alt+space"_s);
        QThread::msleep(500);
        const QImage after = m_x.screenshot();
        m_x.keys(u"key Escape"_s); // a menu, if any, goes with it
        QVERIFY2(!before.isNull() && before == after, what);
    }

    XSession m_x;
};

void TestWindowManager::heldByWindowManager()
{
    const QPoint Question1 { 796, 216 }, Question1Face = Question1 - QPoint(10, 10);
    const QColor OpenColour(0, 192, 0);
    const QString BoxTitle = u"^K U J D E S !$"_s;
    QString wrong;
    QVERIFY2(m_x.start({ 1280, 1024 }, &wrong, true), qPrintable(wrong));
    const QString id = m_x.startProgram(QStringLiteral(PROVIMI_EXE), &wrong), exam = hex(id);
    QVERIFY2(!id.isEmpty(), qPrintable(wrong));
    const QStringList Actions { u"MOVE"_s, u"RESIZE"_s, u"MINIMIZE"_s, u"CLOSE"_s };
    held(id, Actions + QStringList { u"MAXIMIZE"_s }, "Alt+Space opened a window menu on the exam");

    // Another program's window opens below the exam.
    const QString other = m_x.openOther();
    QVERIFY(!other.isEmpty());
    QThread::msleep(300);
    QStringList order = stacking();
    QVERIFY2(order.indexOf(hex(other)) < order.indexOf(exam), qPrintable(order.join(u' ')));

    // The end request: its box stands above the exam and is held the same way.
    m_x.click({ 700, 716 }); // the leave alternative, then KONFIRMOJ
    m_x.click({ 700, 552 });
    const QString box = m_x.search(u"--name"_s, BoxTitle, 10000);
    QVERIFY(!box.isEmpty());
    QThread::msleep(300);
    order = stacking();
    QVERIFY2(order.indexOf(exam) < order.indexOf(hex(box)), qPrintable(order.join(u' ')));
    held(box, Actions, "Alt+Space opened a window menu on the end-request box");
    // Answered No: the exam goes on.
    m_x.xdotool({ u"windowfocus"_s, u"--sync"_s, box });
    m_x.keys(u"key Escape"_s);
    QVERIFY(XSession::poll([&] { return m_x.search(u"--name"_s, BoxTitle).isEmpty(); }));

    // An opened question is the exam's state; another program's window has the keyboard.
    m_x.click(Question1);
    QImage e;
    QVERIFY(m_x.shotUntil(&e, [&] { return e.pixelColor(Question1Face) == OpenColour; }));
    m_x.xdotool({ u"windowactivate"_s, u"--sync"_s, other });
    QCOMPARE(m_x.rootProperty(u"_NET_ACTIVE_WINDOW"_s), hex(other));
    // A second start ends at once with status 0.
    QElapsedTimer t;
    t.start();
    int status = -2;
    m_x.run(QStringLiteral(PROVIMI_EXE), {}, {}, 5000, &status);
    QCOMPARE(status, 0);
    QVERIFY(t.elapsed() < 1000);
    // The first goes on as it was, the only exam on the display, in front with the keyboard.
    QVERIFY(m_x.programRunning());
    QCOMPARE(m_x.screenshot().pixelColor(Question1Face), OpenColour);
    QCOMPARE(stacking(), QStringList({ hex(other), exam }));
    QVERIFY(XSession::poll([&] { return m_x.rootProperty(u"_NET_ACTIVE_WINDOW"_s) == exam; }));
}

XSESSION_TEST_MAIN(TestWindowManager, "the window-manager test", "openbox", "xprop", "xmessage")

#include "tst_windowmanager.moc"
