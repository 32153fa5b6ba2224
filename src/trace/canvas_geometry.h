#pragma once

#include <QSize>

#include <cstdint>

namespace volvenda {

// The canvas every picture is drawn on, in logical pixels: the window's
// client area, and the canvas of every rendered file.
inline constexpr QSize CanvasSize(400, 445);

// Where every drawing is centred.
inline constexpr std::int16_t CentreX = 200;
inline constexpr std::int16_t CentreY = 250;

} // namespace volvenda
