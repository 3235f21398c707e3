// The built-in bank: its own rules, and every text fits where the candidate reads it, measured
// with the real fonts (the question in the notice label above the answer buttons, each
// alternative inside its button).

#include "base/Units.h"
#include "exam/DemoBank.h"
#include "exam/ExamState.h"
#include "screen/FlatButton.h"
#include "screen/TextLabel.h"

#include <QApplication>
#include <QFontInfo>
#include <QSet>
#include <QTest>

class TestBank final : public QObject
{
    Q_OBJECT

private slots:
    void fontsAreReal();
    void bank();
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

QRect measured(double points, int width, int flags, const QString &t)
{
    return QFontMetrics(Units::font(Units::Arial, points))
        .boundingRect(QRect(0, 0, width, 100000), flags | Qt::TextWordWrap, t);
}
} // namespace

void TestBank::fontsAreReal()
{
    // Measurements mean something only with the design's metric-compatible fonts installed.
    for (const QString &f : { Units::Arial, Units::ArialNarrow, Units::ArialRounded }) {
        QFont font(f);
        font.setPixelSize(20);
        QCOMPARE(QFontInfo(font).family(), f);
    }
}

void TestBank::bank()
{
    ExamState s;
    MbushFondinDemo(s);
    int points[4] = {};
    QSet<QString> questions;
    for (int q = 1; q <= 50; ++q) {
        const QString info = QStringLiteral("question %1").arg(q);
        const int p = s.PikePozitive(q);
        QVERIFY2(p >= 1 && p <= 3 && s.FondSizeP(q) > 0 && s.FondSizeAlt(q) > 0, qPrintable(info));
        ++points[p];
        // Text alternatives, four or five, after the question's text or (31 and 32) picture;
        // the correct letter names one of them.
        const QString &st = s.StrukturaEPyetjes(q);
        QVERIFY2(st == "TTTTTT" || st == "TTTTT" || st == "GTTTT", qPrintable(info));
        QCOMPARE(st.startsWith('G'), q == 31 || q == 32);
        const int n = static_cast<int>(st.size()) - 1;
        QCOMPARE(s.Alternativat(q, 5).isEmpty(), n == 4);
        const QString &correct = s.PergjigjaESakte(q);
        QVERIFY2(correct.size() == 1 && correct >= "A" && correct[0].unicode() < 'A' + n,
            qPrintable(info));
        QCOMPARE(correct == "E", q == 3);
        questions.insert(s.Pyetja(q));

        const QRect r = measured(s.FondSizeP(q), NoticeWidth, Qt::AlignLeft, s.Pyetja(q));
        QVERIFY2(!s.Pyetja(q).trimmed().isEmpty() && r.width() <= NoticeWidth
                && r.height() <= VisibleHeight,
            qPrintable(info));
        const QFontMetrics fm(Units::font(Units::Arial, s.FondSizeAlt(q)));
        for (int j = 1; j <= n; ++j) {
            const QString &t = s.Alternativat(q, j);
            const QRect a = measured(s.FondSizeAlt(q), AlternativeWidth, Qt::AlignCenter, t);
            const QString where = info + QStringLiteral(", alternative %1").arg(j);
            QVERIFY2(!t.trimmed().isEmpty() && a.width() <= AlternativeWidth
                    && a.height() <= AlternativeHeight,
                qPrintable(where));
            // No word is so long that wrapping at blanks would have to break it.
            for (const QString &word : t.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                QVERIFY2(fm.horizontalAdvance(word) <= AlternativeWidth, qPrintable(where));
        }
    }
    QCOMPARE(QList<int>(points + 1, points + 4), QList<int>({ 17, 17, 16 })); // 99 in all
    QCOMPARE(questions.size(), 50); // no question twice
    QCOMPARE(s.PikePozitive(1), 1);
    QCOMPARE(s.PikePozitive(3), 3);
    QCOMPARE(s.Alternativat(17, 3), QStringLiteral("-300"));
    QCOMPARE(s.PergjigjaESakte(17), QStringLiteral("C"));
}

QTEST_MAIN(TestBank)
#include "tst_bank.moc"
