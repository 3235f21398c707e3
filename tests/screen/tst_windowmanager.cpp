// The exam window under a window manager, openbox in its default configuration, on its own X
// server: the window manager offers nothing to move, resize, iconify or close, neither on the
// exam nor on the end-request box, another program's window opens below the exam, and a second
// start on the same display only brings the running exam to the front.

#include "support/XSession.h"

#include <QElapsedTimer>
#include <QTest>
#include <QThread>

#include <csignal>
#include <cstdio>

class TestWindowManager final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void heldByWindowManager();
    void secondStart();

private:
    // Window ids, as xprop writes them, from the bottom of the stacking order up.
    QStringList stacking();
    QString hex(const QString &decimalId) const
    {
        return QStringLiteral("0x%1").arg(decimalId.toULongLong(), 0, 16);
    }
    QString visible(const QString &how, const QString &what, int timeoutMs = 10000);
    QString activeWindow()
    {
        return m_x
            .run(QStringLiteral("xprop"),
                { QStringLiteral("-root"), QStringLiteral("_NET_ACTIVE_WINDOW") })
            .section(QLatin1Char('#'), 1)
            .trimmed();
    }
    // What the window manager would let the user do with a window.
    QString allowedActions(const QString &id);
    // Alt+Space, the key of the window menu, on a window: whether anything appeared.
    bool menuAppears(const QString &id);

    XSession m_x;
    QString m_exam;
};

namespace {
const QPoint LeaveAlternative { 700, 716 }, ConfirmPoint { 700, 552 }, Question1 { 796, 216 };
const QColor OpenColour(0, 192, 0);
const QString BoxTitle = QStringLiteral("^K U J D E S !$");
} // namespace

void TestWindowManager::initTestCase()
{
    QString wrong;
    QVERIFY2(m_x.start({ 1280, 1024 }, &wrong), qPrintable(wrong));
    QVERIFY2(m_x.startWindowManager(&wrong), qPrintable(wrong));
    QVERIFY2(m_x.startProgram(QStringLiteral(PROVIMI_EXE), &wrong), qPrintable(wrong));
    m_exam = m_x.waitForWindow();
    QVERIFY2(!m_exam.isEmpty(), qPrintable(m_x.programOutput()));
}

QStringList TestWindowManager::stacking()
{
    return m_x
        .run(QStringLiteral("xprop"),
            { QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING") })
        .section(QLatin1Char('#'), 1)
        .remove(QLatin1Char(' '))
        .split(QLatin1Char(','), Qt::SkipEmptyParts);
}

QString TestWindowManager::visible(const QString &how, const QString &what, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < timeoutMs) {
        const QString id
            = m_x.xdotool({ QStringLiteral("search"), QStringLiteral("--onlyvisible"), how, what })
                  .section(QLatin1Char('\n'), 0, 0);
        if (!id.isEmpty())
            return id;
        QThread::msleep(50);
    }
    return {};
}

QString TestWindowManager::allowedActions(const QString &id)
{
    return m_x.run(QStringLiteral("xprop"),
        { QStringLiteral("-id"), id, QStringLiteral("_NET_WM_ALLOWED_ACTIONS") });
}

bool TestWindowManager::menuAppears(const QString &id)
{
    m_x.xdotool({ QStringLiteral("windowfocus"), QStringLiteral("--sync"), id });
    QThread::msleep(200);
    const QImage before = m_x.screenshot();
    m_x.xdotool({ QStringLiteral("key"), QStringLiteral("alt+space") });
    QThread::msleep(500);
    const QImage after = m_x.screenshot();
    // A menu, if any, goes with the Escape key.
    m_x.xdotool({ QStringLiteral("key"), QStringLiteral("Escape") });
    return before.isNull() || after.isNull() || before != after;
}

void TestWindowManager::heldByWindowManager()
{
    const QString examId = hex(m_exam);
    for (const char *action : { "MOVE", "RESIZE", "MINIMIZE", "CLOSE", "MAXIMIZE" })
        QVERIFY2(!allowedActions(m_exam).contains(QLatin1String(action)),
            qPrintable(allowedActions(m_exam)));
    QVERIFY2(!menuAppears(m_exam), "Alt+Space opened a window menu on the exam");

    // Another program's window opens below the exam.
    QProcess message;
    message.setProcessEnvironment(m_x.environment());
    message.start(QStringLiteral("xmessage"), { QStringLiteral("xmessage") });
    const QString messageId = visible(QStringLiteral("--class"), QStringLiteral("Xmessage"));
    QVERIFY(!messageId.isEmpty());
    QThread::msleep(300);
    QStringList order = stacking();
    QVERIFY2(order.indexOf(hex(messageId)) < order.indexOf(examId), qPrintable(order.join(u' ')));

    // The end request: its box stands above the exam and the window manager offers nothing
    // on it either.
    m_x.click(LeaveAlternative);
    m_x.click(ConfirmPoint);
    const QString box = visible(QStringLiteral("--name"), BoxTitle);
    QVERIFY(!box.isEmpty());
    QThread::msleep(300);
    order = stacking();
    QVERIFY2(order.indexOf(examId) < order.indexOf(hex(box)), qPrintable(order.join(u' ')));
    for (const char *action : { "MOVE", "RESIZE", "MINIMIZE", "CLOSE" })
        QVERIFY2(
            !allowedActions(box).contains(QLatin1String(action)), qPrintable(allowedActions(box)));
    QVERIFY2(!menuAppears(box), "Alt+Space opened a window menu on the end-request box");
    // Answered No: the exam goes on.
    m_x.xdotool({ QStringLiteral("windowfocus"), QStringLiteral("--sync"), box });
    m_x.xdotool({ QStringLiteral("key"), QStringLiteral("Escape") });
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 10000 && !visible(QStringLiteral("--name"), BoxTitle, 100).isEmpty())
        QThread::msleep(50);
    QVERIFY(m_x.programRunning());

    ::kill(static_cast<pid_t>(message.processId()), SIGTERM);
    message.waitForFinished(3000);
}

void TestWindowManager::secondStart()
{
    // An opened question is the running exam's state.
    m_x.click(Question1);
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 10000
        && m_x.screenshot().pixelColor(Question1 - QPoint(10, 10)) != OpenColour)
        QThread::msleep(40);
    QCOMPARE(m_x.screenshot().pixelColor(Question1 - QPoint(10, 10)), OpenColour);

    // Another program's window has the keyboard.
    QProcess message;
    message.setProcessEnvironment(m_x.environment());
    message.start(QStringLiteral("xmessage"), { QStringLiteral("xmessage") });
    const QString messageId = visible(QStringLiteral("--class"), QStringLiteral("Xmessage"));
    QVERIFY(!messageId.isEmpty());
    m_x.xdotool({ QStringLiteral("windowactivate"), QStringLiteral("--sync"), messageId });
    QCOMPARE(activeWindow(), hex(messageId));

    QProcess second;
    second.setProcessEnvironment(m_x.environment());
    second.setProcessChannelMode(QProcess::MergedChannels);
    t.restart();
    second.start(QStringLiteral(PROVIMI_EXE), {});
    QVERIFY2(second.waitForFinished(5000), "the second start did not end");
    const qint64 ms = t.elapsed();
    std::printf("second start ended after %lld ms\n", static_cast<long long>(ms));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QVERIFY2(ms < 1000, qPrintable(QString::number(ms)));

    // The first goes on as it was, the only exam on the display, in front with the keyboard.
    QVERIFY(m_x.programRunning());
    QCOMPARE(m_x.screenshot().pixelColor(Question1 - QPoint(10, 10)), OpenColour);
    QCOMPARE(stacking(), QStringList({ hex(messageId), hex(m_exam) }));
    t.restart();
    while (t.elapsed() < 5000 && activeWindow() != hex(m_exam))
        QThread::msleep(50);
    QCOMPARE(activeWindow(), hex(m_exam));

    ::kill(static_cast<pid_t>(message.processId()), SIGTERM);
    message.waitForFinished(3000);
}

int main(int argc, char *argv[])
{
    for (const QString &why : { XSession::whyUnavailable(), XSession::whyNoWindowManager() })
        if (!why.isEmpty()) {
            std::printf("SKIPPED: the window-manager test needs openbox on an X server: %s\n",
                qPrintable(why));
            return 77;
        }
    QCoreApplication app(argc, argv);
    TestWindowManager t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_windowmanager.moc"
