#pragma once

#include <cstdint>

// A red, green, blue colour as the exam uses it. Its stored value is the toolkit's colour
// number, red in the low byte: red + 256 x green + 65536 x blue.
struct Ngjyra
{
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    constexpr std::uint32_t vlera() const { return r + 256u * g + 65536u * b; }
    static constexpr Ngjyra ngaVlera(std::uint32_t v)
    {
        return { static_cast<std::uint8_t>(v & 0xff), static_cast<std::uint8_t>((v >> 8) & 0xff),
            static_cast<std::uint8_t>((v >> 16) & 0xff) };
    }
    friend constexpr bool operator==(Ngjyra, Ngjyra) = default;
};

namespace Ngjyrat {
inline constexpr Ngjyra Zeze { 0, 0, 0 };
inline constexpr Ngjyra Bardhe { 255, 255, 255 };
inline constexpr Ngjyra Verdhe { 255, 255, 0 };
inline constexpr Ngjyra VerdheEHapur { 255, 255, 192 };
inline constexpr Ngjyra Roze { 255, 128, 128 };
inline constexpr Ngjyra Jeshile { 0, 255, 0 };
inline constexpr Ngjyra JeshileEHapur { 0, 192, 0 }; // the open question, the marked answer
inline constexpr Ngjyra Blu { 0, 0, 255 };
inline constexpr Ngjyra Magenta { 255, 0, 255 };
inline constexpr Ngjyra Kuqe { 255, 0, 0 };
inline constexpr Ngjyra BluEZbehte { 192, 192, 255 };
inline constexpr Ngjyra BluTitulli { 128, 128, 255 };
inline constexpr Ngjyra JeshilePaneli { 128, 255, 128 };
inline constexpr Ngjyra Portokalli { 255, 128, 0 };

// The frame and legend colour of a question worth 1, 2 or 3 points.
constexpr Ngjyra ePikeve(int pike)
{
    switch (pike) {
    case 1:
        return Jeshile;
    case 2:
        return Blu;
    default:
        return Magenta;
    }
}
} // namespace Ngjyrat
