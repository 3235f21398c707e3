#pragma once

#include <cstdint>

// A red, green, blue colour as the exam uses it. Its stored value is the toolkit's colour
// number, red in the low byte: red + 256 x green + 65536 x blue.
struct Colour
{
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    constexpr std::uint32_t value() const { return r + 256u * g + 65536u * b; }
    static constexpr Colour fromValue(std::uint32_t v)
    {
        return { static_cast<std::uint8_t>(v & 0xff), static_cast<std::uint8_t>((v >> 8) & 0xff),
            static_cast<std::uint8_t>((v >> 16) & 0xff) };
    }
    friend constexpr bool operator==(Colour, Colour) = default;
};

namespace Colours {
inline constexpr Colour Black { 0, 0, 0 };
inline constexpr Colour White { 255, 255, 255 };
inline constexpr Colour Yellow { 255, 255, 0 };
inline constexpr Colour PaleYellow { 255, 255, 192 };
inline constexpr Colour Pink { 255, 128, 128 };
inline constexpr Colour Green { 0, 255, 0 };
inline constexpr Colour OpenGreen { 0, 192, 0 }; // the open question, the marked answer
inline constexpr Colour Blue { 0, 0, 255 };
inline constexpr Colour Magenta { 255, 0, 255 };
inline constexpr Colour Red { 255, 0, 0 };
inline constexpr Colour PaleBlue { 192, 192, 255 };
inline constexpr Colour TitleBlue { 128, 128, 255 };
inline constexpr Colour PanelGreen { 128, 255, 128 };
inline constexpr Colour Orange { 255, 128, 0 };

} // namespace Colours
