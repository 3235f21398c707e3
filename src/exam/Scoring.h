#pragma once

#include "exam/ExamState.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

// Scoring the closed paper. The captions of the question buttons are the only record of the
// answers: a caption whose numeric value is 0 is a confirmed letter, anything else is still
// the button's position number.
struct Scoring
{
    BoundedArray<QString, 0, ResultRoom> PergjigjetEDhena;
    BoundedArray<QString, 0, ResultRoom> PiketEFituara;
    double PiketEGrumbulluara = 0;
    std::int16_t PiketMaksimale = 0;
};

Scoring computeScoring(const ExamState &s, const std::function<QString(int k)> &buttonCaption);

// The score in percent, truncated to two decimals: Int(points / maximum x 10000) / 100 in double
// precision. Quotient and product are each rounded to double before the truncation, so 57 of
// 100 reads 56.99; that is the exam's rule and stays. A paper worth nothing scores 0.
double percentage(double points, std::int16_t maximum);

// The percentage as the result label shows it: "66.66%", "100%", "0%".
QString percentageText(double percentage, QChar separator);

// One printed piece of a row of the result listing. When x is set, the print position moves
// there first (the points column).
struct PrintedPiece
{
    QString text;
    Colour colour;
    std::optional<int> x;
};

struct ListingRow
{
    int k = 0; // paper position
    int x = 0; // where the row starts
    std::vector<PrintedPiece> pieces;
};

inline constexpr int ListingY = 190;
inline constexpr int Column1X = 100;
inline constexpr int Column1PointsX = 260;
inline constexpr int Column2X = 350;
inline constexpr int Column2PointsX = 510;

// The listing of given against correct answers, left column first (positions 1 to 25, then
// 26 to 50), each row a line. It reads the result fields, so it follows the scoring.
std::vector<ListingRow> resultListing(const ExamState &s, QChar separator);
