// The closing screen at two screen pixels per window pixel (run with QT_SCALE_FACTOR=2): what
// the exam draws is drawn at the screen's resolution, in the same place as at one to one.

#include "support/Sitting.h"

#include <QTest>

class TestScale final : public QObject
{
    Q_OBJECT

private slots:
    void closingAtTwice();
};

void TestScale::closingAtTwice()
{
    // At this scale the screen is too small for the layout; the window keeps its own size.
    Sitting t(31415.5f, false);
    t.window.resize(1280, 1024);
    t.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    t.close();
    const QImage img = grabToPng(&t.window, QStringLiteral("closing-scale-2"));
    QCOMPARE(img.size(), QSize(2560, 2048));
    // The result's heading: smoothed glyphs drawn at this resolution, not 2 x 2 blocks.
    const QRgb black = qRgb(0, 0, 0);
    int partly = 0, unevenBlocks = 0;
    for (int y = 2 * 135; y < 2 * 155; y += 2)
        for (int x = 0; x < 2 * 600; x += 2)
            for (const QPoint d : { QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1) }) {
                const QRgb c = img.pixel(x + d.x(), y + d.y());
                unevenBlocks += c != img.pixel(x, y);
                partly += c != black && c != qRgb(255, 255, 255);
            }
    QVERIFY2(partly > 50, qPrintable(QString::number(partly)));
    QVERIFY2(unevenBlocks > 50, qPrintable(QString::number(unevenBlocks)));
    // Left of question button 1 (moved at closing): its 2-pixel frame, 8 black pixels, twice.
    const QPoint b = 2 * t.question(1)->pos() + QPoint(0, 2 * 16);
    const QRgb frame = img.pixel(b.x() - 20, b.y());
    QVERIFY(frame != black && img.pixel(b) != black);
    for (int x = -21; x < 0; ++x)
        QCOMPARE(img.pixel(b.x() + x, b.y()), x >= -20 && x < -16 ? frame : black);
}

QTEST_MAIN(TestScale)
#include "tst_scale.moc"
