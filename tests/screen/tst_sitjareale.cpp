// A whole sitting through the real window on its own X server with no window manager, as a
// candidate sits it: one window without a title bar covering the whole screen, real mouse and
// keyboard events at the layout's pixel positions, colours read from screenshots.

#include "Grab.h"
#include "XSession.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

#include <cmath>
#include <cstdio>

class TestSitjaReale final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sitja();

private:
    XSession m_x;
    QString m_dritarja;
};

namespace {
// Where start-up puts question button i (33 x 33 buttons, 5 to a row).
QPoint butoni(int i)
{
    const int c = (i - 1) % 5 + 1, r = (i - 1) / 5;
    return { static_cast<int>(std::floor(730 + 1.5 * 33 * c + 0.5)),
        static_cast<int>(std::floor(200 + 1.7 * 33 * r + 0.5)) };
}
QPoint qendra(int i)
{
    return butoni(i) + QPoint(16, 16);
}
const QPoint Alternativa[]
    = { { 700, 716 }, { 336, 496 }, { 336, 551 }, { 336, 607 }, { 336, 663 }, { 336, 719 } };
const QPoint Konfirmoj { 700, 552 };
const QPoint Largohem { 700, 502 };

const QColor Roze(255, 128, 128), Hapur(0, 192, 0), Verdhe(255, 255, 0), Bardhe(255, 255, 255);

} // namespace

void TestSitjaReale::initTestCase()
{
    QString gabim;
    QVERIFY2(m_x.start({ 1280, 1024 }, &gabim), qPrintable(gabim));
    QVERIFY2(m_x.startProgram(QStringLiteral(PROVIMI_EXE), &gabim), qPrintable(gabim));
    m_dritarja = m_x.waitForWindow();
    QVERIFY2(!m_dritarja.isEmpty(), qPrintable(m_x.programOutput()));
    const QString g = m_x.xdotool(
        { QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), m_dritarja });
    QVERIFY2(g.contains(QLatin1String("X=0\n")) && g.contains(QLatin1String("Y=0\n"))
            && g.contains(QLatin1String("WIDTH=1280")) && g.contains(QLatin1String("HEIGHT=1024")),
        qPrintable(g));
    const QString teGjitha = m_x.xdotool({ QStringLiteral("search"),
        QStringLiteral("--onlyvisible"), QStringLiteral("--class"), QStringLiteral("provimi") });
    QCOMPARE(teGjitha.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size(), 1);
}

void TestSitjaReale::sitja()
{
    QImage e;
    auto ngjyra = [&](QPoint p) { return e.pixelColor(p); };
    // Polls until `kusht` holds; `prit` looks at a fresh screenshot each time.
    auto deri = [](auto kusht) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 10000) {
            if (kusht())
                return true;
            QThread::msleep(40);
        }
        return false;
    };
    auto prit = [&](auto kusht) {
        return deri([&] {
            e = m_x.screenshot();
            return !e.isNull() && kusht();
        });
    };
    auto kutia = [&](const QString &titulli) {
        return m_x
            .xdotool({ QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                QStringLiteral("--name"),
                QStringLiteral("^%1$").arg(QRegularExpression::escape(titulli)) })
            .section(QLatin1Char('\n'), 0, 0);
    };
    auto pergjigjuKutise = [&](const QString &titulli, const QString &tasti) {
        QString id;
        if (!deri([&] { return !(id = kutia(titulli)).isEmpty(); }))
            return false;
        m_x.xdotool({ QStringLiteral("windowfocus"), QStringLiteral("--sync"), id });
        m_x.xdotool({ QStringLiteral("key"), tasti });
        return deri([&] { return kutia(titulli).isEmpty(); });
    };
    const QPoint faqja(6, 6); // a point on a button's face, clear of its caption
    auto eshte = [&](int i, const QColor &c) { return ngjyra(butoni(i) + faqja) == c; };
    auto konfirmoDhePrit = [&](int i) {
        m_x.click(Konfirmoj);
        // The flight ends with the answer buttons back in place and blank, and the question
        // button still green with its letter.
        return prit(
            [&] { return eshte(i, Hapur) && pixelsOf(e, QRect(80, 205, 240, 40), Bardhe) > 50; });
    };

    QVERIFY(prit([&] { return eshte(1, Roze) && eshte(50, Roze); }));

    // Open question 1, mark A, confirm.
    m_x.click(qendra(1));
    QVERIFY(prit([&] { return eshte(1, Hapur); }));
    m_x.click(Alternativa[1]);
    QVERIFY(prit([&] { return ngjyra({ 56, 480 }) == Hapur; }));
    QVERIFY(konfirmoDhePrit(1));

    // Question 2 with B; question 3 only opened.
    m_x.click(qendra(2));
    QVERIFY(prit([&] { return eshte(2, Hapur) && eshte(1, Verdhe); }));
    m_x.click(Alternativa[2]);
    QVERIFY(konfirmoDhePrit(2));
    m_x.click(qendra(3));
    QVERIFY(prit([&] { return eshte(3, Hapur) && eshte(2, Verdhe); }));

    // Re-open question 1: A is marked again; change it to C.
    m_x.click(qendra(1));
    QVERIFY(prit([&] { return eshte(1, Hapur) && ngjyra({ 56, 480 }) == Hapur; }));
    m_x.click(Alternativa[3]);
    QVERIFY(prit([&] { return ngjyra({ 56, 592 }) == Hapur && ngjyra({ 56, 480 }) == Bardhe; }));
    QVERIFY(konfirmoDhePrit(1));

    // Confirm with nothing marked: the warning, titled with the candidate's name, dismissed.
    m_x.click(qendra(4));
    QVERIFY(prit([&] { return eshte(4, Hapur); }));
    m_x.click(Konfirmoj);
    QVERIFY2(pergjigjuKutise(QStringLiteral("Emri Mbiemri"), QStringLiteral("Return")),
        "no warning box");
    QVERIFY(m_x.programRunning());

    // The end request: No, then again and Yes.
    m_x.click(Alternativa[0]);
    QVERIFY(prit([&] { return ngjyra({ 646, 694 }) == Hapur; }));
    m_x.click(Konfirmoj);
    QVERIFY2(pergjigjuKutise(QStringLiteral("K U J D E S !"), QStringLiteral("Escape")),
        "no end-request box");
    e = m_x.screenshot();
    QCOMPARE(ngjyra({ 646, 534 }), QColor(0, 255, 0)); // still running: the confirm button stands
    m_x.click(Konfirmoj);
    QVERIFY2(pergjigjuKutise(QStringLiteral("K U J D E S !"), QStringLiteral("Return")),
        "no end-request box");

    // The closing screen: the percentage in red, the listing, the buttons moved with their
    // black number boxes, the leave button in light yellow.
    QVERIFY(prit([&] { return pixelsOf(e, QRect(616, 200, 161, 57), QColor(255, 0, 0)) > 30; }));
    QVERIFY(pixelsOf(e, QRect(100, 190, 240, 470), Bardhe) > 500);
    QVERIFY(pixelsOf(e, QRect(350, 190, 240, 470), Verdhe) > 20);
    QCOMPARE(ngjyra(butoni(1) + QPoint(5, 5) + faqja), Verdhe);
    QCOMPARE(ngjyra(butoni(5) + QPoint(5, 5) + faqja), Roze);
    QCOMPARE(ngjyra(butoni(1) + QPoint(5, 5) - QPoint(14, 14)), QColor(Qt::black));
    QCOMPARE(ngjyra({ 646, 494 }), QColor(255, 255, 192));
    e.save(QStringLiteral(PROVIMI_SCREENS_DIR "/xvfb-mbyllja.png"));

    // The leave button ends the program with status 0.
    m_x.click(Largohem);
    const int kodi = m_x.waitForExit(10000);
    QVERIFY2(kodi == 0,
        qPrintable(QStringLiteral("exit status %1; the program said:\n%2")
                       .arg(kodi)
                       .arg(m_x.programOutput())));
}

int main(int argc, char *argv[])
{
    const QString pse = XSession::whyUnavailable();
    if (!pse.isEmpty()) {
        std::printf("SKIPPED: the real-window sitting needs an X server: %s\n", qPrintable(pse));
        return 77;
    }
    QCoreApplication app(argc, argv);
    TestSitjaReale t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_sitjareale.moc"
