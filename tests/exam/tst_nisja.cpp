// Start-up on the live window: the paper on the grid, the frames in the points' colours, the
// legend, the photo and name label, the emptied answers, the date.

#include "FlatButton.h"
#include "Grab.h"
#include "Koordinatat.h"
#include "PictureBox.h"
#include "Sitja.h"
#include "TextLabel.h"

#include <QLocale>
#include <QTest>

class TestNisja final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void butonatNeRrjete();
    void kornizatNeNgjyrenEPikeve();
    void legjenda();
    void fotoEmriAlternativatData();
    void tezaNgaFara();
};

namespace {
QColor ngjyraEPikeve(int p)
{
    return Koordinatat::qngjyra(Ngjyrat::ePikeve(p));
}
} // namespace

void TestNisja::butonatNeRrjete()
{
    // Ten rows of five, 1.5 button widths and 1.7 heights apart, from the size read at run time.
    Sitja t;
    for (int i = 1; i <= 50; ++i) {
        const int c = (i - 1) % 5 + 1, r = (i - 1) / 5;
        FlatButton *b = t.pyetja(i);
        QCOMPARE(b->text(), QString::number(i)); // its position, never its question number
        QCOMPARE(b->backColor(), QColor(255, 128, 128));
        QVERIFY(!b->isHidden());
        QCOMPARE(b->size(), QSize(33, 33));
        QVERIFY2(std::abs(b->x() - (730 + 1.5 * 33 * c)) <= 0.5, qPrintable(QString::number(i)));
        QVERIFY2(std::abs(b->y() - (200 + 1.7 * 33 * r)) <= 0.5, qPrintable(QString::number(i)));
    }
    QVERIFY(t.pyetja(0)->isHidden());
    QVERIFY(!t.forma.Timer1->isActive());
}

void TestNisja::kornizatNeNgjyrenEPikeve()
{
    // Every frame lies exactly 5 pixels outside its button, 2 pixels wide, in the colour of the
    // points of the question behind the button.
    Sitja t;
    const QImage img = grabToPng(&t.forma, QStringLiteral("pas-nisjes"));
    for (int i = 1; i <= 50; ++i) {
        const QRect b = t.pyetja(i)->geometry();
        const QColor c = ngjyraEPikeve(t.s().PikePozitive(t.s().Teza(i)));
        const QString rgb = QStringLiteral("%1,%2,%3").arg(c.red()).arg(c.green()).arg(c.blue());
        const QByteArray info = QByteArray::number(i);
        for (const QPoint p :
            { QPoint(b.left() - 5, b.top() - 5), QPoint(b.left() - 4, b.top() - 4),
                QPoint(b.right() + 5, b.bottom() + 5), QPoint(b.right() + 4, b.bottom() + 4),
                QPoint(b.center().x(), b.top() - 5), QPoint(b.left() - 5, b.center().y()),
                QPoint(b.center().x(), b.bottom() + 4), QPoint(b.right() + 5, b.center().y()) })
            QVERIFY2(rgbAt(img, p.x(), p.y()) == rgb, info);
        for (const QPoint p :
            { QPoint(b.left() - 6, b.top() - 6), QPoint(b.left() - 3, b.top() - 3),
                QPoint(b.right() + 3, b.bottom() + 3), QPoint(b.right() + 6, b.bottom() + 6) })
            QVERIFY2(rgbAt(img, p.x(), p.y()) == QStringLiteral("0,0,0"), info);
    }
}

void TestNisja::legjenda()
{
    Sitja t;
    const QImage img = grabWindow(&t.forma);
    for (int k = 1; k <= 3; ++k) {
        const QColor c = ngjyraEPikeve(k);
        const int y1 = 250 + 60 * k;
        // A 48 x 43 box...
        QCOMPARE(img.pixelColor(675, y1), c);
        QCOMPARE(img.pixelColor(675 + 47, y1 + 42), c);
        QCOMPARE(img.pixelColor(675 + 48, y1 + 43), QColor(Qt::black));
        // ...with "k pikë" printed in its colour from 1.8 pixels in and 10 below its top.
        QRect teksti;
        for (int y = y1 + 2; y < y1 + 41; ++y)
            for (int x = 677; x < 721; ++x) // inside the box, clear of the grid's frames
                if (img.pixelColor(x, y) == c)
                    teksti |= QRect(x, y, 1, 1);
        QVERIFY2(teksti.isValid(), qPrintable(QString::number(k)));
        QVERIFY(teksti.left() >= 677 && teksti.left() <= 681);
        QVERIFY(teksti.top() >= y1 + 10 && teksti.top() <= y1 + 16);
        QVERIFY(teksti.width() > 25); // the digit, the blank and the word
    }
    QCOMPARE(t.s().NgjyraPikeve(1), std::optional<Ngjyra>(Ngjyrat::Jeshile));
    QCOMPARE(t.s().NgjyraPikeve(2), std::optional<Ngjyra>(Ngjyrat::Blu));
    QCOMPARE(t.s().NgjyraPikeve(3), std::optional<Ngjyra>(Ngjyrat::Magenta));
    QVERIFY(!t.s().NgjyraPikeve(0).has_value());
}

void TestNisja::fotoEmriAlternativatData()
{
    Sitja t;
    QCOMPARE(t.forma.ImgFoto->geometry(), QRect(850, 10, 93, 131));
    // The name sits 10 below the photo, as wide as one grid row.
    const QRect emri = t.forma.LblEmriMbiemri->geometry();
    QCOMPARE(emri, QRect(t.pyetja(1)->x(), 151, 231, 25));
    QCOMPARE(t.forma.LblEmriMbiemri->caption(), QStringLiteral("Emri Mbiemri"));
    const QImage img = grabWindow(&t.forma);
    QCOMPARE(img.pixelColor(emri.left() + 3, emri.top() + 2), QColor(0, 0, 255));
    QCOMPARE(img.pixelColor(emri.right() - 3, emri.bottom() - 2), QColor(0, 0, 255));
    // The answer buttons are emptied, their places remembered for after each flight.
    for (int j = 1; j <= 5; ++j) {
        QCOMPARE(t.alt(j)->text(), QString());
        QCOMPARE(QRectF(t.s().AltLeft(j), t.s().AltTop(j), t.s().AltWidth(j), t.s().AltHeight(j))
                     .toRect(),
            t.alt(j)->geometry());
    }
    for (int q = 1; q <= 50; ++q)
        QCOMPARE(t.s().NrAlternativave(q), t.s().Alternativat(q, 5).isEmpty() ? 4 : 5);
    QCOMPARE(t.forma.LblData->caption(),
        QLocale::system().toString(QDate(2026, 12, 7), QLocale::ShortFormat));
}

void TestNisja::tezaNgaFara()
{
    // Two starts at the same second of the day draw the same paper; another second, another.
    auto teza = [](float fara) {
        Sitja t(fara, false);
        QList<int> l;
        for (int k = 1; k <= 50; ++k)
            l << t.s().Teza(k);
        return l;
    };
    QCOMPARE(teza(5000.25f), teza(5000.25f));
    QVERIFY(teza(5000.25f) != teza(5001.25f));
}

QTEST_MAIN(TestNisja)
#include "tst_nisja.moc"
