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
    void tekstetPershtaten();
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

void TestTekstetPershtaten::tekstetPershtaten()
{
    ExamState s;
    MbushFondinDemo(s);
    auto mat = [](double pike, int gjeresia, int flamujt, const QString &t) {
        return QFontMetrics(Koordinatat::fonti(Koordinatat::Arial, pike))
            .boundingRect(QRect(0, 0, gjeresia, 100000), flamujt | Qt::TextWordWrap, t);
    };
    for (int q = 1; q <= 50; ++q) {
        const QRect r
            = mat(s.FondSizeP(q), GjeresiaENjoftimit, Qt::AlignLeft | Qt::AlignTop, s.Pyetja(q));
        QVERIFY2(r.width() <= GjeresiaENjoftimit && r.height() <= LartesiaEDukshme,
            qPrintable(
                QStringLiteral("question %1: %2 x %3").arg(q).arg(r.width()).arg(r.height())));
        const QFontMetrics fm(Koordinatat::fonti(Koordinatat::Arial, s.FondSizeAlt(q)));
        for (int j = 1; j <= s.StrukturaEPyetjes(q).size() - 1; ++j) {
            const QString &t = s.Alternativat(q, j);
            const QRect a = mat(s.FondSizeAlt(q), GjeresiaEAlternatives, Qt::AlignCenter, t);
            const QString info = QStringLiteral("question %1, alternative %2: %3 x %4")
                                     .arg(q)
                                     .arg(j)
                                     .arg(a.width())
                                     .arg(a.height());
            QVERIFY2(a.width() <= GjeresiaEAlternatives && a.height() <= LartesiaEAlternatives,
                qPrintable(info));
            // No word is so long that wrapping at blanks would have to break it.
            for (const QString &fjala : t.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                QVERIFY2(fm.horizontalAdvance(fjala) <= GjeresiaEAlternatives, qPrintable(info));
        }
    }
}

QTEST_MAIN(TestTekstetPershtaten)
#include "tst_tekstetpershtaten.moc"
