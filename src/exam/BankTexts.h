#pragma once

#include "base/Counts.h"

#include <array>

// The wording of the demonstration bank: question 1 is element 0. Texts are UTF-8. A question
// with four alternatives has "" as its fifth; question 17's alternatives are numbers and are
// written by the bank itself, so its entries here are "".
struct QuestionText
{
    const char *question;
    std::array<const char *, AlternativeCount> alternatives;
};

const std::array<QuestionText, QuestionCount> &bankTexts();
