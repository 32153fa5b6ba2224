#pragma once

#include <cstdint>

namespace volvenda {

// The arithmetic of the commands, with the run-time's errors where it fails.

// The largest whole number not above value: floorToWhole(-2.02) == -3.
[[nodiscard]] double floorToWhole(double value) noexcept;

// The nearest 16-bit integer, ties to even. Throws Overflow outside
// -32768...32767 and for values that are not finite.
[[nodiscard]] std::int16_t roundToInt16(double value);

// Narrows to single precision. Throws Overflow when the value is not finite
// or beyond the single-precision range.
[[nodiscard]] float toSingle(double value);

// Rounds to single precision without complaint: values beyond its range
// become infinities of the same sign.
[[nodiscard]] float narrowToSingle(double value) noexcept;

// dividend / divisor; throws DivisionByZero when the divisor is zero.
[[nodiscard]] double divide(double dividend, double divisor);

} // namespace volvenda
