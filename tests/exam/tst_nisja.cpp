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
#include <QTimer>

using Koordinatat::nePiksel;

class TestNisja final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void butonatNeRrjete();
    void kornizatNeNgjyrenEPikeve();
    void legjenda();
    void fotoDheEmri();
    void alternativatDheData();
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
    Sitja t;
    const double W = t.pyetja(50)->width(), H = t.pyetja(50)->height();
    QCOMPARE(W, 33.0);
    for (int i = 1; i <= 50; ++i) {
        const int c = (i - 1) % 5 + 1, r = (i - 1) / 5;
        FlatButton *b = t.pyetja(i);
        QCOMPARE(b->text(), QString::number(i)); // its position, never its question number
        QCOMPARE(b->backColor(), QColor(255, 128, 128));
        QVERIFY(!b->isHidden());
        QCOMPARE(b->size(), QSize(33, 33));
        QVERIFY2(std::abs(b->x() - (730 + 1.5 * W * c)) <= 0.5, qPrintable(QString::number(i)));
        QVERIFY2(std::abs(b->y() - (200 + 1.7 * H * r)) <= 0.5, qPrintable(QString::number(i)));
    }
    QCOMPARE(t.pyetja(6)->x(), t.pyetja(1)->x());
    QCOMPARE(t.pyetja(1)->y(), 200);
    QCOMPARE(t.pyetja(46)->y(), nePiksel(704.9));
    QVERIFY(t.pyetja(0)->isHidden());
    QCOMPARE(t.s().NrPyetjeve, 50);
    QCOMPARE(t.s().GjeresiaButonit, 33.0f);
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
        const QString info = QStringLiteral("button %1").arg(i);
        for (const QPoint p :
            { QPoint(b.left() - 5, b.top() - 5), QPoint(b.left() - 4, b.top() - 4),
                QPoint(b.right() + 5, b.bottom() + 5), QPoint(b.right() + 4, b.bottom() + 4),
                QPoint(b.center().x(), b.top() - 5), QPoint(b.left() - 5, b.center().y()),
                QPoint(b.center().x(), b.bottom() + 4), QPoint(b.right() + 5, b.center().y()) })
            QVERIFY2(rgbAt(img, p.x(), p.y()) == rgb, qPrintable(info));
        for (const QPoint p :
            { QPoint(b.left() - 6, b.top() - 6), QPoint(b.left() - 3, b.top() - 3),
                QPoint(b.right() + 3, b.bottom() + 3), QPoint(b.right() + 6, b.bottom() + 6) })
            QVERIFY2(rgbAt(img, p.x(), p.y()) == QStringLiteral("0,0,0"), qPrintable(info));
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
        QVERIFY2(teksti.top() >= y1 + 10 && teksti.top() <= y1 + 16,
            qPrintable(QStringLiteral("%1 %2 %3")
                           .arg(teksti.left())
                           .arg(teksti.top() - y1)
                           .arg(teksti.bottom() - y1)));
        QVERIFY(teksti.width() > 25); // the digit, the blank and the word
    }
    QCOMPARE(t.s().NgjyraPikeve(1), std::optional<Ngjyra>(Ngjyrat::Jeshile));
    QCOMPARE(t.s().NgjyraPikeve(2), std::optional<Ngjyra>(Ngjyrat::Blu));
    QCOMPARE(t.s().NgjyraPikeve(3), std::optional<Ngjyra>(Ngjyrat::Magenta));
    QVERIFY(!t.s().NgjyraPikeve(0).has_value());
    QCOMPARE(t.forma.siperfaqja().fontSize(), 12.0);
}

void TestNisja::fotoDheEmri()
{
    Sitja t;
    QCOMPARE(t.forma.ImgFoto->geometry(), QRect(850, 10, 93, 131));
    const QRect emri = t.forma.LblEmriMbiemri->geometry();
    QCOMPARE(emri.width(), 231); // the width of one grid row
    QCOMPARE(emri.left(), t.pyetja(1)->x());
    QCOMPARE(emri.top(), 151);
    QCOMPARE(t.forma.LblEmriMbiemri->caption(), QStringLiteral("Emri Mbiemri"));
    const QImage img = grabWindow(&t.forma);
    QCOMPARE(img.pixelColor(emri.left() + 3, emri.top() + 2), QColor(0, 0, 255));
    QCOMPARE(img.pixelColor(emri.right() - 3, emri.bottom() - 2), QColor(0, 0, 255));
}

void TestNisja::alternativatDheData()
{
    Sitja t;
    for (int j = 1; j <= 5; ++j) {
        QCOMPARE(t.alt(j)->text(), QString());
        QCOMPARE(t.s().AltLeft(j), float(48));
        QCOMPARE(t.s().AltWidth(j), float(577));
    }
    QCOMPARE(t.s().AltTop(5), float(696));
    QCOMPARE(t.s().AltHeight(1), float(49));
    QCOMPARE(t.alt(0)->text(), QStringLiteral("  DUA TE LARGOHEM    E PERFUNDOVA PROVIMIN"));
    QCOMPARE(t.forma.LblData->caption(),
        QLocale::system().toString(QDate(2026, 12, 7), QLocale::ShortFormat));
    for (int q = 1; q <= 50; ++q)
        QCOMPARE(t.s().NrAlternativave(q), q <= 16 && q != 5 && q != 15 ? 5 : 4);
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
