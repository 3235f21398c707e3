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
    // The bank's table, question by question: its points, correct letter, two font sizes and
    // structure (5: "TTTTTT", 4: "TTTTT", G: a picture and four, "GTTTT").
    const char *const correct = "AAECABCACBBCCDDCCCADBCBABBBCDACBCACCCABCAAACDBBBDC";
    const int sizeP[50] = { 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 15, 20, 26, 20, 20, 25, 26, 28,
        25, 27, 26, 25, 28, 28, 27, 25, 24, 20, 22, 20, 24, 23, 25, 24, 23, 28, 24, 23, 24, 28, 18,
        24, 26, 26, 29, 28, 18, 27, 26, 27 };
    const int sizeAlt[50] = { 21, 21, 21, 21, 15, 21, 14, 21, 21, 21, 21, 21, 15, 21, 21, 18, 21,
        23, 11, 19, 24, 22, 21, 23, 21, 23, 19, 21, 21, 16, 19, 21, 23, 19, 17, 19, 21, 21, 21, 21,
        21, 21, 24, 21, 28, 21, 16, 16, 18, 21 };
    const char *const structure = "555545555555554544444444444444GG444444444444444444";
    ExamState s;
    MbushFondinDemo(s);
    int points = 0;
    QSet<QString> questions;
    for (int q = 1; q <= 50; ++q) {
        const QString info = QStringLiteral("question %1").arg(q);
        QVERIFY2(s.PikePozitive(q) == (q - 1) % 3 + 1
                && s.PergjigjaESakte(q) == QChar(correct[q - 1]) && s.FondSizeP(q) == sizeP[q - 1]
                && s.FondSizeAlt(q) == sizeAlt[q - 1],
            qPrintable(info));
        points += s.PikePozitive(q);
        const char st = structure[q - 1];
        QVERIFY2(s.StrukturaEPyetjes(q)
                == (st == 'G' ? QStringLiteral("GTTTT") : QString(st - '0' + 1, u'T')),
            qPrintable(info));
        const int n = static_cast<int>(s.StrukturaEPyetjes(q).size()) - 1;
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
            for (const QString &word : t.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                QVERIFY2(fm.horizontalAdvance(word) <= AlternativeWidth, qPrintable(where));
        }
    }
    QCOMPARE(points, 99);
    QCOMPARE(questions.size(), 50); // no question twice
    QCOMPARE(s.Alternativat(17, 3), QStringLiteral("-300"));
}

QTEST_MAIN(TestBank)
#include "tst_bank.moc"
