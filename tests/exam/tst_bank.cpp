// The built-in bank: its own rules, and every text fits where the candidate reads it (the
// question above the answer buttons, each alternative in its button), measured in real fonts.

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
    void bank();
};

namespace {
// The question label stands at Top 250 and must end above the first answer button at 472; a
// caption may use its button's whole inset width and the height between its 2-pixel bevels.
constexpr int NoticeWidth = 561 - 2 * TextLabel::BorderThickness;
constexpr int VisibleHeight = 472 - 250 - 2 * TextLabel::BorderThickness;
constexpr int AlternativeWidth = 577 - 2 * FlatButton::TextInset;
constexpr int AlternativeHeight = 47 - 2 * 2;

QRect measured(double points, int width, int flags, const QString &t)
{
    return QFontMetrics(Units::font(Units::Arial, points))
        .boundingRect(QRect(0, 0, width, 100000), flags | Qt::TextWordWrap, t);
}
} // namespace

void TestBank::bank()
{
    // Measurements mean something only with the design's metric-compatible fonts installed.
    for (const QString &f : { Units::Arial, Units::ArialNarrow, Units::ArialRounded })
        QCOMPARE(QFontInfo(Units::font(f, 15)).family(), f);

    // Question by question: 1 to 3 points; the question as text, or as a picture for the two
    // that the window has pictures for, then four or five text alternatives, the correct
    // letter among them.
    ExamState s;
    MbushFondinDemo(s);
    QSet<QString> questions;
    for (int q = 1; q <= 50; ++q) {
        const QString info = QStringLiteral("question %1").arg(q);
        const QString &st = s.StrukturaEPyetjes(q);
        const int n = static_cast<int>(st.size()) - 1;
        const QString &correct = s.PergjigjaESakte(q);
        QVERIFY2(s.PikePozitive(q) >= 1 && s.PikePozitive(q) <= 3 && (n == 4 || n == 5)
                && st == (q == 31 || q == 32 ? u'G' : u'T') + QString(n, u'T')
                && correct.size() == 1 && QStringLiteral("ABCDE").left(n).contains(correct),
            qPrintable(info));
        QCOMPARE(s.Alternativat(q, 5).isEmpty(), n == 4);
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
            for (const QString &word : t.split(u' ', Qt::SkipEmptyParts))
                QVERIFY2(fm.horizontalAdvance(word) <= AlternativeWidth, qPrintable(where));
        }
    }
    QCOMPARE(questions.size(), 50); // no question twice
    // Number alternatives are their decimal text.
    QCOMPARE(s.Alternativat(17, 3), QStringLiteral("-300"));
}

QTEST_MAIN(TestBank)
#include "tst_bank.moc"
