#pragma once

class RandomGenerator;
struct ExamState;

// Draws the exam paper: the 50 questions of the bank in a random order of this candidate's own.
// A drawn question number already on the paper is discarded and drawn again, so Teza(1..50)
// ends as a uniformly random permutation of 1..50 and EZgjedhur(1..50) all read "po".
void drawPaper(ExamState &s, RandomGenerator &random);

// The seed for the paper: the seconds elapsed since midnight, as a single-precision number.
float secondsSinceMidnight();
