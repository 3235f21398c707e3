#include "exam/RandomGenerator.h"

#include <bit>

RandomGenerator::RandomGenerator(float seed)
    // Every distinct single-precision seed gives a distinct stream.
    : m_state(0x9E3779B97F4A7C15ull ^ std::bit_cast<std::uint32_t>(seed))
{ }

double RandomGenerator::next()
{
    // splitmix64: small, fast and statistically sound for drawing a paper.
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53; // 53 random bits: exactly [0, 1)
}
