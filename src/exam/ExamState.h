#pragma once

#include "base/Colour.h"
#include "base/Counts.h"
#include "exam/BoundedArray.h"

#include <QString>

#include <cstdint>
#include <optional>

// Everything one examination knows: the bank in memory, the paper, what the candidate is doing
// now, the result and a few layout values remembered at start-up. Three indexes run through it
// and are never mixed: the question number q (bank arrays), the paper position k (question
// button k, result arrays; the question behind button k is Teza(k)) and the alternative j.
//
// Empty values are 0 for numbers and "" for texts, so a field that was never written reads as
// the empty value in arithmetic and beside text alike. The yes/no flags are "po" and "jo".
//
// The candidate's answers are not here: the caption of each question button is their only
// record, and scoring reads them from there.

// Where the examination stands. The first question opened starts the clock; an answer in
// flight lets events run between its steps, so a time-out then only asks for the closing,
// which follows once the answer has landed; the closing runs once and is final.
enum class Phase { BeforeFirstQuestion, Running, AnswerInFlight, ClosingAfterFlight, Closed };

struct ExamState
{
    Phase phase = Phase::BeforeFirstQuestion;

    // "po" once the examination is closed, or closing as soon as the answer in flight lands.
    QString ProvimiPerfundoi() const;

    // The bank, indexed by question number q.
    BoundedArray<QString, 1, QuestionCount> Pyetja; // there is no question 0
    BoundedArray<QString, 0, QuestionCount> PergjigjaESakte;
    BoundedArray<std::int16_t, 0, QuestionCount> PikePozitive;
    BoundedArray<int, 0, QuestionCount> FondSizeP;
    BoundedArray<int, 0, QuestionCount> FondSizeAlt;
    BoundedArray<QString, 0, QuestionCount> StrukturaEPyetjes;
    BoundedArray2<QString, 0, QuestionCount, 0, AlternativeCount> Alternativat;
    BoundedArray<int, 0, QuestionCount> NrAlternativave;

    // The paper and the candidate's progress.
    BoundedArray<std::int16_t, 0, QuestionCount> Teza;
    BoundedArray<QString, 0, QuestionCount> EZgjedhur;
    int NrPyetjeve = 0;
    int PyetjaEHapur = 0;
    QString GermaEZgjedhur;
    int AlternativaEZgjedhur = 0;

    // The result, written when the examination closes.
    BoundedArray<QString, 0, ResultRoom> PergjigjetEDhena;
    BoundedArray<QString, 0, ResultRoom> PiketEFituara;
    double PiketEGrumbulluara = 0;
    std::int16_t PiketMaksimale = 0;

    // Layout values remembered at start-up, in the window's pixels.
    float GjeresiaButonit = 0;
    float LartesiaButonit = 0;
    BoundedArray<std::optional<Colour>, 0, 3> NgjyraPikeve; // an unset entry draws as black
    BoundedArray<float, 0, AlternativeCount> AltLeft;
    BoundedArray<float, 0, AlternativeCount> AltTop;
    BoundedArray<float, 0, AlternativeCount> AltWidth;
    BoundedArray<float, 0, AlternativeCount> AltHeight;
};

inline const QString FlagYes = QStringLiteral("po");

inline QString ExamState::ProvimiPerfundoi() const
{
    return phase == Phase::ClosingAfterFlight || phase == Phase::Closed ? FlagYes : QString();
}

// An unset colour entry draws as black.
inline Colour colourOrBlack(const std::optional<Colour> &n)
{
    return n.value_or(Colours::Black);
}
