// The built-in bank: its own rules, and every text fits where the candidate reads it (the
// question above the answer buttons, each alternative in its button), measured in real fonts
// as a bank file's texts are.

#include "base/Units.h"
#include "exam/DemoBank.h"
#include "exam/ExamState.h"
#include "store/TextFit.h"

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

        QVERIFY2(
            !s.Pyetja(q).trimmed().isEmpty() && TextFit::questionFits(s.Pyetja(q), s.FondSizeP(q)),
            qPrintable(info));
        for (int j = 1; j <= n; ++j) {
            const QString &t = s.Alternativat(q, j);
            QVERIFY2(!t.trimmed().isEmpty() && TextFit::alternativeFits(t, s.FondSizeAlt(q)),
                qPrintable(info + QStringLiteral(", alternative %1").arg(j)));
        }
    }
    QCOMPARE(questions.size(), 50); // no question twice
    // Number alternatives are their decimal text.
    QCOMPARE(s.Alternativat(17, 3), QStringLiteral("-300"));
}

QTEST_MAIN(TestBank)
#include "tst_bank.moc"
