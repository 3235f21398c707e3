#pragma once

#include "store/BankQuestion.h"

#include <vector>

struct ExamState;

// Writes the built-in demonstration bank into the bank arrays of the state, question numbers 1
// to 50 in ascending order. It clears nothing first and reads nothing.
void MbushFondinDemo(ExamState &s);

// The same bank as the records of a bank file, question q with the identifier q in booklet
// "Demo", the two picture questions with the window's drawings given here (SVG bytes): a
// template an exam centre edits, and a file that gives the same exam as the built-in bank.
std::vector<BankQuestion> demoBankRecords(const QByteArray &picture31, const QByteArray &picture32);
