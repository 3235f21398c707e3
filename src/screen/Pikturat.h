#pragma once

#include <QImage>

// The pictures of the exam window, drawn by code at start-up so the program needs no file.
namespace Pikturat {

// The examining body's emblem and initials, 247 x 80, on black.
QImage logo();
// A blue disc shaded light at the centre and dark at the edge, with a thin grey rim, 158 x 158.
QImage disku();
// The placeholder portrait of the candidate: a physician in a white coat, 133 x 187.
QImage portreti();
// Question 31 as a picture: its sentence in red over the formulas of ethanol (I) and phenol
// (II), on white, 592 x 265.
QImage pyetja31();
// Question 32 as a picture: its sentence in white over the formula of acetylsalicylic acid,
// on black, 428 x 236.
QImage pyetja32();

} // namespace Pikturat
