#pragma once

#include <QColor>
#include <QString>

#include <algorithm>
#include <cstdint>

namespace volvenda {

// A colour packed as 0x00BBGGRR: red + 256 * green + 65536 * blue.
using COLORREF = std::uint32_t;

// Components outside 0...255 are clamped rather than spilling into their neighbours.
[[nodiscard]] constexpr COLORREF composeColour(int red, int green, int blue) noexcept
{
    const auto component = [](int value) { return static_cast<COLORREF>(std::clamp(value, 0, 255)); };
    return component(red) | (component(green) << 8U) | (component(blue) << 16U);
}

[[nodiscard]] inline QColor toQColor(COLORREF colour)
{
    return QColor(static_cast<int>(colour & 0xFFU), static_cast<int>((colour >> 8U) & 0xFFU),
        static_cast<int>((colour >> 16U) & 0xFFU));
}

// The colour in a few plain words, as a person would name it: "dark teal",
// "orange", "light greyish blue", "black".
[[nodiscard]] QString colourInWords(COLORREF colour);

// The grey of the reference circle.
inline constexpr COLORREF ReferenceGray = composeColour(100, 100, 100);

} // namespace volvenda
