#pragma once

#include "trace/curve.h"

#include <QString>

#include <cstddef>

namespace volvenda {

// Numbers, and runs by theirs, as the renderer's messages give them.

// Whole, with a comma between thousands: "25,132,817".
[[nodiscard]] QString withThousands(double value);

// 3 significant digits and a word: "27.6 billion".
[[nodiscard]] QString roughly(double value);

// The run at index (from 0) of a picture of several, by its number and its
// radii in their shortest spelling: "run 2 (R1 120, R2 -45, R3 0.5)".
[[nodiscard]] QString runInWords(std::size_t index, const Radii &radii);

// The name of a plotter's layer for the run at index (from 0): its number,
// which plotting software reads to draw the layers in order, then its radii:
// "1 R1 120 R2 -45 R3 0.5".
[[nodiscard]] QString layerName(std::size_t index, const Radii &radii);

// The name of the grey circle's layer, which begins with "%" so that plotting
// software leaves it out.
[[nodiscard]] QString circleLayerName();

} // namespace volvenda
