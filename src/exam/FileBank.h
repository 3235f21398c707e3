#pragma once

#include "store/BankCheck.h"
#include "store/BankQuestion.h"

#include <vector>

class RandomGenerator;
struct ExamState;

// A paper's bank taken from a bank file: which of its questions make the paper, and those
// questions written into the bank arrays of the exam state.

// `count` questions drawn uniformly at random without repetition from the whole bank, or per
// quota from the quota's booklet: their places in the bank, in the bank's order. Where a group
// has just as many questions as it must give, all are taken and no number is drawn, so a bank
// of exactly one paper is taken whole and leaves the generator as it found it.
std::vector<std::size_t> chooseQuestions(const std::vector<BankQuestion> &bank, int count,
    const std::vector<Quota> &quotas, RandomGenerator &random);

// Writes the chosen questions into the bank arrays as question numbers 1, 2, ... in their
// order, as the built-in bank writes its own.
void fillBankFromFile(ExamState &s, const std::vector<BankQuestion> &paper);
