#pragma once

#include "curve.h"

#include <QString>

namespace volvenda {

// A run's radii as both programs word them, each in its shortest spelling:
// "R1 120, R2 -45, R3 0.5".
[[nodiscard]] QString radiiInWords(const Radii &radii);

} // namespace volvenda
