// A short sitting through the real window on its own X server with no window manager, as a
// candidate sits it with real mouse and keyboard events: start, one answer, the end request,
// and the program's end with status 0. The behaviour in between is the other suites' part.

#include "support/Grab.h"
#include "support/Grid.h"
#include "support/XSession.h"

#include <QTest>

#include <cstdio>

class TestRealSitting final : public QObject
{
    Q_OBJECT

private slots:
    void smokeSitting();
};

void TestRealSitting::smokeSitting()
{
    XSession x;
    const QString error = x.start(QStringLiteral(PROVIMI_EXE));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QString provimi = QStringLiteral("provimi");
    QString window;
    QTRY_VERIFY_WITH_TIMEOUT(
        !(window = x.findWindow(QStringLiteral("--class"), provimi)).isEmpty(), 15000);
    // One window without a title bar covering the whole screen.
    const QString g
        = x.xdotool({ QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window });
    QVERIFY2(g.contains(QLatin1String("X=0\nY=0\nWIDTH=1280\nHEIGHT=1024")), qPrintable(g));

    QImage e;
    auto shows = [&](QPoint p, const QColor &c) {
        e = x.screenshot();
        return !e.isNull() && e.pixelColor(p) == c;
    };
    const QPoint face = gridPlace(1) + QPoint(6, 6); // button 1's face, clear of its caption
    QTRY_VERIFY_WITH_TIMEOUT(shows(face, QColor(255, 128, 128)), 10000);
    // Question 1 opened, its first alternative marked and confirmed: after the flight the answer
    // area is blank again under "choose another question" in white.
    x.click(gridPlace(1) + QPoint(16, 16));
    QTRY_VERIFY_WITH_TIMEOUT(shows(face, QColor(0, 192, 0)), 10000);
    x.click({ 336, 496 });
    QTRY_VERIFY_WITH_TIMEOUT(shows({ 56, 480 }, QColor(0, 192, 0)), 10000);
    x.click({ 700, 552 });
    QTRY_VERIFY_WITH_TIMEOUT(
        shows(face, QColor(0, 192, 0)) && pixelsOf(e, QRect(80, 205, 240, 40), Qt::white) > 50,
        10000);

    // The leave alternative confirmed, the end request answered Yes from the keyboard.
    x.click({ 700, 716 });
    QTRY_VERIFY_WITH_TIMEOUT(shows({ 646, 694 }, QColor(0, 192, 0)), 10000);
    x.click({ 700, 552 });
    const QString caution = QStringLiteral("^K U J D E S !$");
    QString box;
    QTRY_VERIFY_WITH_TIMEOUT(
        !(box = x.findWindow(QStringLiteral("--name"), caution)).isEmpty(), 10000);
    x.xdotool({ QStringLiteral("windowfocus"), QStringLiteral("--sync"), box });
    x.xdotool({ QStringLiteral("key"), QStringLiteral("Return") });
    // The result: the percentage in red, and the leave button in light yellow.
    QTRY_VERIFY_WITH_TIMEOUT(shows({ 646, 494 }, QColor(255, 255, 192))
            && pixelsOf(e, QRect(616, 200, 161, 57), QColor(255, 0, 0)) > 30,
        10000);
    e.save(QStringLiteral(PROVIMI_SCREENS_DIR "/xvfb-mbyllja.png"));
    x.click({ 700, 502 });
    QVERIFY2(x.program.waitForFinished(10000) && x.program.exitStatus() == QProcess::NormalExit
            && x.program.exitCode() == 0,
        qPrintable(QStringLiteral("exit status %1; the program said:\n%2")
                       .arg(x.program.exitCode())
                       .arg(QString::fromLocal8Bit(x.program.readAll()))));
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
