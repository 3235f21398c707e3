#pragma once

struct ExamState;

// Writes the built-in demonstration bank into the bank arrays of the state, question numbers 1
// to 50 in ascending order. It clears nothing first and reads nothing.
void MbushFondinDemo(ExamState &s);
