// Every text of the bank fits where the candidate reads it, measured with the real fonts: the
// question above the answer buttons in the notice label, each alternative inside its button.

#include "ExamState.h"
#include "FlatButton.h"
#include "FondiDemo.h"
#include "Koordinatat.h"
#include "TextLabel.h"

#include <QApplication>
#include <QFontInfo>
#include <QTest>

class TestTekstetPershtaten final : public QObject
{
    Q_OBJECT

private slots:
    void fontetJaneTeVertetat();
    void pyetjetPershtaten();
    void alternativatPershtaten();
};

namespace {
// The question label stands at Top 250, and its lower part lies under the first answer
// button at 472: the question must end above it.
constexpr int GjeresiaENjoftimit = 561 - 2 * TextLabel::TrashesiaEKufirit;
constexpr int LartesiaEDukshme = 472 - 250 - 2 * TextLabel::TrashesiaEKufirit;
// A caption lives between the bevels of its button (2 pixels each side) and is wrapped inside
// the inset box; it may use the whole height between the bevels.
constexpr int GjeresiaEAlternatives = 577 - 2 * FlatButton::HapesiraETekstit;
constexpr int LartesiaEAlternatives = 47 - 2 * 2;

QFont fonti(double pike)
{
    return Koordinatat::fonti(Koordinatat::Arial, pike);
}
} // namespace

void TestTekstetPershtaten::fontetJaneTeVertetat()
{
    // Measurements mean something only with the design's metric-compatible fonts installed.
    for (const QString &f :
        { Koordinatat::Arial, Koordinatat::ArialNarrow, Koordinatat::ArialRounded }) {
        QFont font(f);
        font.setPixelSize(20);
        QCOMPARE(QFontInfo(font).family(), f);
    }
}

void TestTekstetPershtaten::pyetjetPershtaten()
{
    ExamState s;
    MbushFondinDemo(s);
    for (int q = 1; q <= 50; ++q) {
        const QFontMetrics fm(fonti(s.FondSizeP(q)));
        const QRect r = fm.boundingRect(QRect(0, 0, GjeresiaENjoftimit, 100000),
            Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, s.Pyetja(q));
        QVERIFY2(r.width() <= GjeresiaENjoftimit && r.height() <= LartesiaEDukshme,
            qPrintable(
                QStringLiteral("question %1: %2 x %3").arg(q).arg(r.width()).arg(r.height())));
    }
}

void TestTekstetPershtaten::alternativatPershtaten()
{
    ExamState s;
    MbushFondinDemo(s);
    for (int q = 1; q <= 50; ++q) {
        const QFontMetrics fm(fonti(s.FondSizeAlt(q)));
        const int n = static_cast<int>(s.StrukturaEPyetjes(q).size()) - 1;
        for (int j = 1; j <= n; ++j) {
            const QString &t = s.Alternativat(q, j);
            const QRect r = fm.boundingRect(
                QRect(0, 0, GjeresiaEAlternatives, 100000), Qt::TextWordWrap | Qt::AlignCenter, t);
            QVERIFY2(r.width() <= GjeresiaEAlternatives && r.height() <= LartesiaEAlternatives,
                qPrintable(QStringLiteral("question %1, alternative %2: %3 x %4")
                               .arg(q)
                               .arg(j)
                               .arg(r.width())
                               .arg(r.height())));
            // No word is so long that wrapping at blanks would have to break it.
            for (const QString &fjala : t.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                QVERIFY(fm.horizontalAdvance(fjala) <= GjeresiaEAlternatives);
        }
    }
}

QTEST_MAIN(TestTekstetPershtaten)
#include "tst_tekstetpershtaten.moc"
