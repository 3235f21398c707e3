// The closing screen at two screen pixels per window pixel (run with QT_SCALE_FACTOR=2): what
// the exam draws is drawn at the screen's resolution, in the same place as at one to one.

#include "support/Sitting.h"

#include <QDir>
#include <QTest>

class TestScale final : public QObject
{
    Q_OBJECT

private slots:
    void closingAtTwice();
};

void TestScale::closingAtTwice()
{
    Sitting t(31415.5f, false);
    QCOMPARE(t.window.devicePixelRatioF(), 2.0);
    // The screen is too small for the layout at this scale; the window is as large as at one
    // to one, in its own pixels.
    t.window.resize(1280, 1024);
    t.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    t.close();
    QVERIFY(t.exam.isClosed());
    const QImage img = t.window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QDir().mkpath(QStringLiteral(PROVIMI_SCREENS_DIR));
    img.save(QStringLiteral(PROVIMI_SCREENS_DIR "/closing-scale-2.png"));
    QCOMPARE(img.size(), QSize(2560, 2048));

    // The white heading of the result: its glyphs have smoothed edges, partly covered pixels
    // between white and black, and are not one-pixel glyphs enlarged into 2 x 2 blocks.
    int partly = 0, unevenBlocks = 0;
    for (int y = 2 * 135; y < 2 * 155; y += 2)
        for (int x = 0; x < 2 * 600; x += 2) {
            const QRgb a = img.pixel(x, y);
            for (const QPoint d : { QPoint(1, 0), QPoint(0, 1), QPoint(1, 1) })
                unevenBlocks += img.pixel(x + d.x(), y + d.y()) != a;
            for (const QPoint d : { QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1) }) {
                const QRgb c = img.pixel(x + d.x(), y + d.y());
                partly += c != qRgb(0, 0, 0) && c != qRgb(255, 255, 255);
            }
        }
    QVERIFY2(partly > 50, qPrintable(QString::number(partly)));
    QVERIFY2(unevenBlocks > 50, qPrintable(QString::number(unevenBlocks)));

    // Frames and buttons line up as at one to one, in twice as many pixels: across question
    // button 1, moved aside at closing, its two-pixel frame lies 8 black pixels left of it.
    const QPoint b = 2 * t.question(1)->pos();
    const int y = b.y() + 2 * 16;
    const QRgb frame = img.pixel(b.x() - 20, y);
    QCOMPARE(img.pixel(b.x() - 21, y), qRgb(0, 0, 0));
    QVERIFY(frame != qRgb(0, 0, 0));
    for (int x = b.x() - 19; x < b.x() - 16; ++x)
        QCOMPARE(img.pixel(x, y), frame);
    for (int x = b.x() - 16; x < b.x(); ++x)
        QCOMPARE(img.pixel(x, y), qRgb(0, 0, 0));
    QVERIFY(img.pixel(b.x(), y) != qRgb(0, 0, 0));
}

QTEST_MAIN(TestScale)
#include "tst_scale.moc"
