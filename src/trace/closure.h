#pragma once

#include "runtime/locale_number.h"

#include <optional>

namespace volvenda {

// Where a curve closes. With R1 / R2 = p / q in lowest terms, the pen is back
// at its start when the parameter reaches 2 pi |p|: the rolling circle has
// gone |q| times round the fixed one and the pen |p| loops round it. For
// R2 = 0 the pen goes once round its own circle.
struct Closure
{
    // The parameter value at which the curve closes.
    double end = 0.0;
    // Segments drawn when tracing to it with the given step, the closing one included.
    double segments = 0.0;
};

// For radii taken as the exact decimals they were written as. nullopt when
// their digits are too many to work it out (beyond 19 significant digits once
// brought to a common scale).
[[nodiscard]] std::optional<Closure> closeCurve(const ExactDecimal &R1, const ExactDecimal &R2, float step);

// For the radii as they are drawn: each taken as the shortest decimal that
// reads back as it, so that radii drawn alike close alike, whatever their
// spelling, and one that reads as 0 (1e-400) is 0. nullopt as above, and for
// radii that are not finite.
[[nodiscard]] std::optional<Closure> closeCurve(double R1, double R2, float step);

} // namespace volvenda
