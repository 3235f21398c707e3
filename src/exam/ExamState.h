#pragma once

#include "Ngjyra.h"
#include "Varg.h"

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
struct ExamState
{
    static constexpr int PyetjeNeFond = 50;
    static constexpr int AlternativaTeShumta = 5;

    // The bank, indexed by question number q.
    Varg<QString, 1, 50> Pyetja; // there is no question 0
    Varg<QString, 0, 50> PergjigjaESakte;
    Varg<std::int16_t, 0, 50> PikePozitive;
    Varg<int, 0, 50> FondSizeP;
    Varg<int, 0, 50> FondSizeAlt;
    Varg<QString, 0, 50> StrukturaEPyetjes;
    Varg2<QString, 0, 50, 0, 5> Alternativat;
    Varg<int, 0, 50> NrAlternativave;

    // The paper and the candidate's progress.
    Varg<std::int16_t, 0, 50> Teza;
    Varg<QString, 0, 50> EZgjedhur;
    int NrPyetjeve = 0;
    int PyetjaEHapur = 0;
    QString GermaEZgjedhur;
    int AlternativaEZgjedhur = 0;
    QString ProvimiPerfundoi;

    // The result, written when the examination closes.
    Varg<QString, 0, 100> PergjigjetEDhena;
    Varg<QString, 0, 100> PiketEFituara;
    double PiketEGrumbulluara = 0;
    std::int16_t PiketMaksimale = 0;

    // Layout values remembered at start-up, in the window's pixels.
    float GjeresiaButonit = 0;
    float LartesiaButonit = 0;
    Varg<std::optional<Ngjyra>, 0, 3> NgjyraPikeve; // an unset entry draws as black
    Varg<float, 0, 5> AltLeft;
    Varg<float, 0, 5> AltTop;
    Varg<float, 0, 5> AltWidth;
    Varg<float, 0, 5> AltHeight;
};

inline const QString Po = QStringLiteral("po");
inline const QString Jo = QStringLiteral("jo");

// An unset colour entry draws as black.
inline Ngjyra ngjyraOseZeze(const std::optional<Ngjyra> &n)
{
    return n.value_or(Ngjyrat::Zeze);
}
