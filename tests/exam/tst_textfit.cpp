// Every text of the bank fits where the candidate reads it, measured with the real fonts: the
// question above the answer buttons in the notice label, each alternative inside its button.

#include "base/Units.h"
#include "exam/DemoBank.h"
#include "exam/ExamState.h"
#include "screen/FlatButton.h"
#include "screen/TextLabel.h"

#include <QApplication>
#include <QFontInfo>
#include <QTest>

class TestTextFit final : public QObject
{
    Q_OBJECT

private slots:
    void fontsAreReal();
    void textsFit();
};

namespace {
// The question label stands at Top 250, and its lower part lies under the first answer
// button at 472: the question must end above it.
constexpr int NoticeWidth = 561 - 2 * TextLabel::BorderThickness;
constexpr int VisibleHeight = 472 - 250 - 2 * TextLabel::BorderThickness;
// A caption lives between the bevels of its button (2 pixels each side) and is wrapped inside
// the inset box; it may use the whole height between the bevels.
constexpr int AlternativeWidth = 577 - 2 * FlatButton::TextInset;
constexpr int AlternativeHeight = 47 - 2 * 2;
} // namespace

void TestTextFit::fontsAreReal()
{
    // Measurements mean something only with the design's metric-compatible fonts installed.
    for (const QString &f : { Units::Arial, Units::ArialNarrow, Units::ArialRounded }) {
        QFont font(f);
        font.setPixelSize(20);
        QCOMPARE(QFontInfo(font).family(), f);
    }
}

void TestTextFit::textsFit()
{
    ExamState s;
    MbushFondinDemo(s);
    auto mat = [](double points, int width, int flags, const QString &t) {
        return QFontMetrics(Units::font(Units::Arial, points))
            .boundingRect(QRect(0, 0, width, 100000), flags | Qt::TextWordWrap, t);
    };
    for (int q = 1; q <= 50; ++q) {
        const QRect r = mat(s.FondSizeP(q), NoticeWidth, Qt::AlignLeft | Qt::AlignTop, s.Pyetja(q));
        QVERIFY2(r.width() <= NoticeWidth && r.height() <= VisibleHeight,
            qPrintable(
                QStringLiteral("question %1: %2 x %3").arg(q).arg(r.width()).arg(r.height())));
        const QFontMetrics fm(Units::font(Units::Arial, s.FondSizeAlt(q)));
        for (int j = 1; j <= s.StrukturaEPyetjes(q).size() - 1; ++j) {
            const QString &t = s.Alternativat(q, j);
            const QRect a = mat(s.FondSizeAlt(q), AlternativeWidth, Qt::AlignCenter, t);
            const QString info = QStringLiteral("question %1, alternative %2: %3 x %4")
                                     .arg(q)
                                     .arg(j)
                                     .arg(a.width())
                                     .arg(a.height());
            QVERIFY2(
                a.width() <= AlternativeWidth && a.height() <= AlternativeHeight, qPrintable(info));
            // No word is so long that wrapping at blanks would have to break it.
            for (const QString &word : t.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                QVERIFY2(fm.horizontalAdvance(word) <= AlternativeWidth, qPrintable(info));
        }
    }
}

QTEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
