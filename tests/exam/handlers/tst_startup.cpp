// Start-up on the live window: the paper on the grid, the frames in the points' colours, the
// legend, the photo and name label, the emptied answers, the date.

#include "screen/PictureBox.h"
#include "support/Sitting.h"

#include <QLocale>
#include <QTest>

class TestStartup final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void paperOnGrid();
    void legendPhotoNameDate();
};

namespace {
// The colours of questions worth 1, 2 and 3 points.
const QColor PointColour[]
    = { Qt::black, QColor(0, 255, 0), QColor(0, 0, 255), QColor(255, 0, 255) };
} // namespace

void TestStartup::paperOnGrid()
{
    // Every button shows its position, never its question number, and is framed exactly 5
    // pixels outside, 2 pixels wide, in the colour of the points of the question behind it.
    Sitting t;
    const QImage img = grabToPng(&t.window, QStringLiteral("pas-nisjes"));
    for (int i = 1; i <= 50; ++i) {
        FlatButton *b = t.question(i);
        QCOMPARE(b->text(), QString::number(i));
        QCOMPARE(b->backColor(), QColor(255, 128, 128));
        QVERIFY(!b->isHidden());
        QCOMPARE(b->geometry(), QRect(gridPlace(i), QSize(33, 33)));
        const QRect r = b->geometry();
        const QColor c = PointColour[t.s().PikePozitive(t.s().Teza(i))];
        for (const QPoint p : { QPoint(r.left() - 5, r.top() - 5), r.topLeft() - QPoint(4, 4),
                 r.bottomRight() + QPoint(5, 5), r.bottomRight() + QPoint(4, 4),
                 QPoint(r.center().x(), r.top() - 5), QPoint(r.right() + 5, r.center().y()) })
            QVERIFY2(img.pixelColor(p) == c, qPrintable(QString::number(i)));
        for (const QPoint p : { r.topLeft() - QPoint(6, 6), r.topLeft() - QPoint(3, 3),
                 r.bottomRight() + QPoint(3, 3), r.bottomRight() + QPoint(6, 6) })
            QVERIFY2(img.pixelColor(p) == Qt::black, qPrintable(QString::number(i)));
    }
    QVERIFY(t.question(0)->isHidden());
    QVERIFY(!t.window.Timer1->isActive());

    // Two starts at the same second of the day draw the same paper; another second, another.
    auto paper = [](float seed) {
        Sitting s(seed, false);
        QList<int> l;
        for (int k = 1; k <= 50; ++k)
            l << s.s().Teza(k);
        return l;
    };
    QCOMPARE(paper(5000.25f), paper(5000.25f));
    QVERIFY(paper(5000.25f) != paper(5001.25f));
}

void TestStartup::legendPhotoNameDate()
{
    Sitting t;
    const QImage img = grabWindow(&t.window);
    for (int k = 1; k <= 3; ++k) {
        // A 48 x 43 box in the colour of k points...
        const QColor c = PointColour[k];
        const int y1 = 250 + 60 * k;
        QCOMPARE(img.pixelColor(675, y1), c);
        QCOMPARE(img.pixelColor(675 + 47, y1 + 42), c);
        QCOMPARE(img.pixelColor(675 + 48, y1 + 43), QColor(Qt::black));
        // ...with "k pikë" printed in its colour from 1.8 pixels in and 10 below its top.
        QRect text;
        for (int y = y1 + 2; y < y1 + 41; ++y)
            for (int x = 677; x < 721; ++x) // inside the box, clear of the grid's frames
                if (img.pixelColor(x, y) == c)
                    text |= QRect(x, y, 1, 1);
        QVERIFY2(text.left() >= 677 && text.left() <= 681 && text.top() >= y1 + 10
                && text.top() <= y1 + 16 && text.width() > 25, // the digit, the blank, the word
            qPrintable(QString::number(k)));
    }
    // The photo, and 10 below it the name, as wide as one grid row, on blue.
    QCOMPARE(t.window.ImgFoto->geometry(), QRect(850, 10, 93, 131));
    const QRect name = t.window.LblEmriMbiemri->geometry();
    QCOMPARE(name, QRect(780, 151, 231, 25));
    QCOMPARE(t.window.LblEmriMbiemri->caption(), QStringLiteral("Emri Mbiemri"));
    QCOMPARE(img.pixelColor(name.left() + 3, name.top() + 2), QColor(0, 0, 255));
    QCOMPARE(img.pixelColor(name.right() - 3, name.bottom() - 2), QColor(0, 0, 255));
    for (int j = 1; j <= 5; ++j)
        QCOMPARE(t.answerButton(j)->text(), QString());
    QCOMPARE(t.window.LblData->caption(),
        QLocale::system().toString(QDate(2026, 12, 7), QLocale::ShortFormat));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
