#pragma once

#include <QImage>

// The pictures of the exam window, drawn by code at start-up so the program needs no file.
namespace Pikturat {

// The examining body's emblem with its initials "QKP", 247 x 80, on black.
QImage logo();
// A blue disc, light at the centre and dark at the edge, in a thin grey rim, 158 x 158.
QImage disku();
// The candidate's placeholder portrait: a physician in a white coat, 133 x 187.
QImage portreti();
// Question 31: its sentence in red over the formulas of ethanol (I) and phenol (II), 592 x 265.
QImage pyetja31();
// Question 32: its sentence in white over the formula of acetylsalicylic acid, 428 x 236.
QImage pyetja32();

} // namespace Pikturat
