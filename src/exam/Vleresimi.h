#pragma once

#include "ExamState.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

// Scoring the closed paper. The captions of the question buttons are the only record of the
// answers: a caption whose numeric value is 0 is a confirmed letter, anything else is still
// the button's position number.
struct Vleresimi
{
    Varg<QString, 0, 100> PergjigjetEDhena;
    Varg<QString, 0, 100> PiketEFituara;
    double PiketEGrumbulluara = 0;
    std::int16_t PiketMaksimale = 0;
};

Vleresimi llogaritVleresimin(
    const ExamState &s, const std::function<QString(int k)> &titulliIButonit);

// The score in percent, truncated to two decimals: Int(points / maximum x 10000) / 100 in double
// precision. Quotient and product are each rounded to double before the truncation, so 57 of
// 100 reads 56.99; that is the exam's rule and stays. A paper worth nothing scores 0.
double perqindja(double piket, std::int16_t maksimale);

// The percentage as the result label shows it: "66.66%", "100%", "0%".
QString tekstiIPerqindjes(double perqindja, QChar ndaresi);

// One printed piece of a row of the result listing. When x is set, the print position moves
// there first (the points column).
struct CopaEShtypur
{
    QString teksti;
    Ngjyra ngjyra;
    std::optional<int> x;
};

struct RreshtiIListes
{
    int k = 0; // paper position
    int x = 0; // where the row starts
    std::vector<CopaEShtypur> copat;
};

inline constexpr int ListaY = 190;
inline constexpr int Kolona1X = 100;
inline constexpr int Kolona1PiketX = 260;
inline constexpr int Kolona2X = 350;
inline constexpr int Kolona2PiketX = 510;

// The listing of given against correct answers, left column first (positions 1 to 25, then
// 26 to 50), each row a line. It reads the result fields, so it follows the scoring.
std::vector<RreshtiIListes> listaERezultatit(const ExamState &s, QChar ndaresi);
