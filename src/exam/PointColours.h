#pragma once

#include "base/Colour.h"

// The colour of a question's point value: its frame in the grid, its line of the legend and
// its correct letter in the result listing. 1 point green, 2 blue, 3 magenta.
constexpr Colour pointColour(int points)
{
    switch (points) {
    case 1:
        return Colours::Green;
    case 2:
        return Colours::Blue;
    default:
        return Colours::Magenta;
    }
}
