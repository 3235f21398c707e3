#pragma once

#include "store/BankQuestion.h"

#include <QStringList>

#include <vector>

// How many questions of one booklet (FashikulliGrupPyetjesh) a paper takes.
struct Quota
{
    QString booklet;
    int count = 0;
};

// Whether a bank can give a correct exam: every question one the window can show and score as
// it stands, and enough of them for a paper. Messages are the administrator's, in Albanian.
namespace BankCheck {

// Font sizes a question may ask for, in points.
inline constexpr int SmallestFont = 8;
inline constexpr int LargestFont = 48;

// What is wrong with one question, each fault a short text; empty when it can be examined.
QStringList questionFaults(const BankQuestion &q);

// Every problem of the bank, one line each, named by question ("pyetja 17: ..."), then what
// keeps it from giving a paper of `paperSize` questions, with these quotas when there are any.
QStringList problems(
    const std::vector<BankQuestion> &bank, int paperSize, const std::vector<Quota> &quotas);

} // namespace BankCheck
