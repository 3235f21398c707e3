// Start-up on the live window: the paper on the grid, the frames in the points' colours, the
// legend, the photo and name label, the emptied answers, the date.

#include "base/Units.h"
#include "exam/handlers/ExamSession.h"
#include "screen/FlatButton.h"
#include "screen/PictureBox.h"
#include "screen/TextLabel.h"
#include "support/Grab.h"
#include "support/Sitting.h"

#include <QLocale>
#include <QTest>
#include <QTime>

class TestStartup final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void buttonsInGrid();
    void framesInPointColours();
    void legend();
    void photoNameAlternatives_data();
    void paperFromSeed();
};

namespace {
QColor pointColour(int p)
{
    return Units::toQColor(Colours::ofPoints(p));
}
} // namespace

void TestStartup::buttonsInGrid()
{
    // Ten rows of five, 1.5 button widths and 1.7 heights apart, from the size read at run time.
    Sitting t;
    for (int i = 1; i <= 50; ++i) {
        const int c = (i - 1) % 5 + 1, r = (i - 1) / 5;
        FlatButton *b = t.question(i);
        QCOMPARE(b->text(), QString::number(i)); // its position, never its question number
        QCOMPARE(b->backColor(), QColor(255, 128, 128));
        QVERIFY(!b->isHidden());
        QCOMPARE(b->size(), QSize(33, 33));
        QVERIFY2(std::abs(b->x() - (730 + 1.5 * 33 * c)) <= 0.5, qPrintable(QString::number(i)));
        QVERIFY2(std::abs(b->y() - (200 + 1.7 * 33 * r)) <= 0.5, qPrintable(QString::number(i)));
    }
    QVERIFY(t.question(0)->isHidden());
    QVERIFY(!t.window.Timer1->isActive());
}

void TestStartup::framesInPointColours()
{
    // Every frame lies exactly 5 pixels outside its button, 2 pixels wide, in the colour of the
    // points of the question behind the button.
    Sitting t;
    const QImage img = grabToPng(&t.window, QStringLiteral("pas-nisjes"));
    for (int i = 1; i <= 50; ++i) {
        const QRect b = t.question(i)->geometry();
        const QColor c = pointColour(t.s().PikePozitive(t.s().Teza(i)));
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

void TestStartup::legend()
{
    Sitting t;
    const QImage img = grabWindow(&t.window);
    for (int k = 1; k <= 3; ++k) {
        const QColor c = pointColour(k);
        const int y1 = 250 + 60 * k;
        // A 48 x 43 box...
        QCOMPARE(img.pixelColor(675, y1), c);
        QCOMPARE(img.pixelColor(675 + 47, y1 + 42), c);
        QCOMPARE(img.pixelColor(675 + 48, y1 + 43), QColor(Qt::black));
        // ...with "k pikë" printed in its colour from 1.8 pixels in and 10 below its top.
        const QRect inside(677, y1 + 2, 44, 39);
        QVERIFY2(img.copy(inside)
                == Sitting::printedAlone(
                    inside, { 676.8, y1 + 10.0 }, 12, { QStringLiteral("%1 pikë").arg(k) }, c),
            qPrintable(QString::number(k)));
    }
    QCOMPARE(t.s().NgjyraPikeve(1), std::optional<Colour>(Colours::Green));
    QCOMPARE(t.s().NgjyraPikeve(2), std::optional<Colour>(Colours::Blue));
    QCOMPARE(t.s().NgjyraPikeve(3), std::optional<Colour>(Colours::Magenta));
    QVERIFY(!t.s().NgjyraPikeve(0).has_value());
}

void TestStartup::photoNameAlternatives_data()
{
    Sitting t;
    QCOMPARE(t.window.ImgFoto->geometry(), QRect(850, 10, 93, 131));
    // The name sits 10 below the photo, as wide as one grid row.
    const QRect name = t.window.LblEmriMbiemri->geometry();
    QCOMPARE(name, QRect(t.question(1)->x(), 151, 231, 25));
    QCOMPARE(t.window.LblEmriMbiemri->caption(), QStringLiteral("Emri Mbiemri"));
    const QImage img = grabWindow(&t.window);
    QCOMPARE(img.pixelColor(name.left() + 3, name.top() + 2), QColor(0, 0, 255));
    QCOMPARE(img.pixelColor(name.right() - 3, name.bottom() - 2), QColor(0, 0, 255));
    // The answer buttons are emptied, their places remembered for after each flight.
    for (int j = 1; j <= 5; ++j) {
        QCOMPARE(t.answerButton(j)->text(), QString());
        QCOMPARE(QRectF(t.s().AltLeft(j), t.s().AltTop(j), t.s().AltWidth(j), t.s().AltHeight(j))
                     .toRect(),
            t.answerButton(j)->geometry());
    }
    for (int q = 1; q <= 50; ++q)
        QCOMPARE(t.s().NrAlternativave(q), t.s().Alternativat(q, 5).isEmpty() ? 4 : 5);
    QCOMPARE(t.window.LblData->caption(),
        QLocale::system().toString(QDate(2026, 12, 7), QLocale::ShortFormat));
}

void TestStartup::paperFromSeed()
{
    // The real seed is the time of day in seconds, so every start draws a paper of its own.
    ExamSession session;
    const double off
        = std::abs(session.exam().seed() - QTime::currentTime().msecsSinceStartOfDay() / 1e3);
    QVERIFY2(std::min(off, 86400 - off) < 0.5, qPrintable(QString::number(off)));
    // Two starts at the same second of the day draw the same paper; another second, another.
    auto paper = [](float seed) {
        Sitting t(seed, false);
        QList<int> l;
        for (int k = 1; k <= 50; ++k)
            l << t.s().Teza(k);
        return l;
    };
    QCOMPARE(paper(5000.25f), paper(5000.25f));
    QVERIFY(paper(5000.25f) != paper(5001.25f));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
