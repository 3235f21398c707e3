// The exam program in a real window on its own X server, with no window manager: one window,
// no title bar, covering the whole screen, painting its design.

#include "XSession.h"

#include <QTest>

#include <cstdio>

class TestDritarjaReale final : public QObject
{
    Q_OBJECT

private slots:
    void mbuloEkraninEPlote();
};

void TestDritarjaReale::mbuloEkraninEPlote()
{
    XSession x;
    QString gabim;
    QVERIFY2(x.start({ 1280, 1024 }, &gabim), qPrintable(gabim));
    QVERIFY2(x.startProgram(QStringLiteral(PROVIMI_EXE), &gabim), qPrintable(gabim));
    const QString id = x.waitForWindow();
    QVERIFY2(!id.isEmpty(), qPrintable(x.programOutput()));
    const QString gjeometria
        = x.xdotool({ QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), id });
    QVERIFY2(
        gjeometria.contains(QLatin1String("X=0\n")) && gjeometria.contains(QLatin1String("Y=0\n")),
        qPrintable(gjeometria));
    QVERIFY2(gjeometria.contains(QLatin1String("WIDTH=1280"))
            && gjeometria.contains(QLatin1String("HEIGHT=1024")),
        qPrintable(gjeometria));
    // Only one visible window of the program.
    const QString teGjitha = x.xdotool({ QStringLiteral("search"), QStringLiteral("--onlyvisible"),
        QStringLiteral("--class"), QStringLiteral("provimi") });
    QCOMPARE(teGjitha.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size(), 1);

    QImage ekrani;
    QTRY_VERIFY_WITH_TIMEOUT(
        (ekrani = x.screenshot(),
            !ekrani.isNull() && ekrani.pixelColor(650, 538) == QColor(0, 255, 0)),
        10000);
    QCOMPARE(ekrani.size(), QSize(1280, 1024));
    QCOMPARE(ekrani.pixelColor(1270, 1010), QColor(Qt::black));
    // The first question button in the grid, pink, at the top of the window: no title bar
    // pushes it down.
    QCOMPARE(ekrani.pixelColor(780 + 6, 200 + 6), QColor(255, 128, 128));
    ekrani.save(QStringLiteral(PROVIMI_SCREENS_DIR "/xvfb-nisja.png"));
}

int main(int argc, char *argv[])
{
    const QString pse = XSession::whyUnavailable();
    if (!pse.isEmpty()) {
        std::printf("SKIPPED: the real-window test needs an X server: %s\n", qPrintable(pse));
        return 77;
    }
    QCoreApplication app(argc, argv);
    TestDritarjaReale t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_dritarjareale.moc"
