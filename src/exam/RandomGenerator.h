#pragma once

#include <cstdint>

// A uniform random number in [0, 1), seeded from the time of day so that every start draws a
// different paper and two starts with the same seed draw the same one.
class RandomGenerator
{
public:
    explicit RandomGenerator(float seed);

    double next();

private:
    std::uint64_t m_state;
};
