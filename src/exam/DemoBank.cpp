#include "exam/DemoBank.h"

#include "exam/BankTexts.h"
#include "exam/ExamState.h"
#include "exam/NumberText.h"

#include <array>

namespace {

// Points, correct letter, the two font sizes and the structure of each question; the wording
// lives beside it in BankTexts.cpp.
struct QuestionValues
{
    int points;
    char correct;
    int questionFontSize;
    int altFontSize;
    const char *structure;
};

constexpr std::array<QuestionValues, QuestionCount> values { {
    { 1, 'A', 20, 21, "TTTTTT" }, // 1
    { 2, 'A', 20, 21, "TTTTTT" }, { 3, 'E', 20, 21, "TTTTTT" }, { 1, 'C', 20, 21, "TTTTTT" },
    { 2, 'A', 20, 15, "TTTTT" }, // 5
    { 3, 'B', 20, 21, "TTTTTT" }, { 1, 'C', 20, 14, "TTTTTT" }, { 2, 'A', 20, 21, "TTTTTT" },
    { 3, 'C', 20, 21, "TTTTTT" }, { 1, 'B', 20, 21, "TTTTTT" }, // 10
    { 2, 'B', 15, 21, "TTTTTT" }, { 3, 'C', 20, 21, "TTTTTT" }, { 1, 'C', 26, 15, "TTTTTT" },
    { 2, 'D', 20, 21, "TTTTTT" }, { 3, 'D', 20, 21, "TTTTT" }, // 15
    { 1, 'C', 25, 18, "TTTTTT" }, { 2, 'C', 26, 21, "TTTTT" }, { 3, 'C', 28, 23, "TTTTT" },
    { 1, 'A', 25, 11, "TTTTT" }, { 2, 'D', 27, 19, "TTTTT" }, // 20
    { 3, 'B', 26, 24, "TTTTT" }, { 1, 'C', 25, 22, "TTTTT" }, { 2, 'B', 28, 21, "TTTTT" },
    { 3, 'A', 28, 23, "TTTTT" }, { 1, 'B', 27, 21, "TTTTT" }, // 25
    { 2, 'B', 25, 23, "TTTTT" }, { 3, 'B', 24, 19, "TTTTT" }, { 1, 'C', 20, 21, "TTTTT" },
    { 2, 'D', 22, 21, "TTTTT" }, { 3, 'A', 20, 16, "TTTTT" }, // 30
    { 1, 'C', 24, 19, "GTTTT" }, { 2, 'B', 23, 21, "GTTTT" }, { 3, 'C', 25, 23, "TTTTT" },
    { 1, 'A', 24, 19, "TTTTT" }, { 2, 'C', 23, 17, "TTTTT" }, // 35
    { 3, 'C', 28, 19, "TTTTT" }, { 1, 'C', 24, 21, "TTTTT" }, { 2, 'A', 23, 21, "TTTTT" },
    { 3, 'B', 24, 21, "TTTTT" }, { 1, 'C', 28, 21, "TTTTT" }, // 40
    { 2, 'A', 18, 21, "TTTTT" }, { 3, 'A', 24, 21, "TTTTT" }, { 1, 'A', 26, 24, "TTTTT" },
    { 2, 'C', 26, 21, "TTTTT" }, { 3, 'D', 29, 28, "TTTTT" }, // 45
    { 1, 'B', 28, 21, "TTTTT" }, { 2, 'B', 18, 16, "TTTTT" }, { 3, 'B', 27, 16, "TTTTT" },
    { 1, 'D', 26, 18, "TTTTT" }, { 2, 'C', 27, 21, "TTTTT" }, // 50
} };

// Question 17 asks for a number: its alternatives are whole numbers, shown as their text.
constexpr int NumericQuestion = 17;
constexpr std::array<int, 4> numericAlternatives { 300, 700, -300, 7500 };

} // namespace

void MbushFondinDemo(ExamState &s)
{
    const auto &texts = bankTexts();
    for (int q = 1; q <= QuestionCount; ++q) {
        const QuestionValues &v = values[static_cast<std::size_t>(q - 1)];
        const QuestionText &t = texts[static_cast<std::size_t>(q - 1)];
        s.Pyetja(q) = QString::fromUtf8(t.question);
        s.PikePozitive(q) = static_cast<std::int16_t>(v.points);
        s.PergjigjaESakte(q) = QString(QLatin1Char(v.correct));
        s.FondSizeP(q) = v.questionFontSize;
        s.FondSizeAlt(q) = v.altFontSize;
        s.StrukturaEPyetjes(q) = QString::fromLatin1(v.structure);
        for (int j = 1; j <= AlternativeCount; ++j) {
            if (q == NumericQuestion && j <= 4)
                s.Alternativat(q, j)
                    = NumberText::decimalText(numericAlternatives[static_cast<std::size_t>(j - 1)]);
            else
                s.Alternativat(q, j)
                    = QString::fromUtf8(t.alternatives[static_cast<std::size_t>(j - 1)]);
        }
    }
}

std::vector<BankQuestion> demoBankRecords(const QByteArray &picture31, const QByteArray &picture32)
{
    ExamState s;
    MbushFondinDemo(s);
    std::vector<BankQuestion> records(QuestionCount);
    for (int q = 1; q <= QuestionCount; ++q) {
        BankQuestion &b = records[std::size_t(q - 1)];
        b.NumerIDiPyetjes = q;
        b.FashikulliGrupPyetjesh = QStringLiteral("Demo");
        b.NrIPyetjesNeFashikull = q;
        b.PergjigjaESakte = s.PergjigjaESakte(q);
        b.PikePozitive = s.PikePozitive(q);
        b.PikeNegative = 0;
        b.StrukturaEPyetjes = s.StrukturaEPyetjes(q);
        b.ImazhTekstIPyetes = s.Pyetja(q);
        b.ImazhGrafikIPyetes = q == 31 ? picture31 : q == 32 ? picture32 : QByteArray();
        for (int j = 1; j <= AlternativeCount; ++j)
            b.AlternativaTekst.at(std::size_t(j - 1)) = s.Alternativat(q, j);
        b.FondSizeP = s.FondSizeP(q);
        b.FondSizeAlt = s.FondSizeAlt(q);
    }
    return records;
}
