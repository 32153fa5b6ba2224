#include "arithmetic.h"

#include "runtime_error.h"

#include <cmath>
#include <limits>

namespace volvenda {

double floorToWhole(double value) noexcept
{
    return std::floor(value);
}

std::int16_t roundToInt16(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError(ErrorKind::Overflow);
    // Ties to even, spelled out so that it does not depend on the FPU's rounding mode.
    double rounded = std::floor(value);
    const double fraction = value - rounded;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0))
        rounded += 1.0;
    if (rounded < std::numeric_limits<std::int16_t>::min() || rounded > std::numeric_limits<std::int16_t>::max())
        throw RuntimeError(ErrorKind::Overflow);
    return static_cast<std::int16_t>(rounded);
}

float toSingle(double value)
{
    // Checked before the cast: narrowing an out-of-range double is undefined behaviour.
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max())
        throw RuntimeError(ErrorKind::Overflow);
    return static_cast<float>(value);
}

float narrowToSingle(double value) noexcept
{
    constexpr float infinity = std::numeric_limits<float>::infinity();
    // Checked before the cast, which is undefined behaviour out of range.
    if (std::fabs(value) > std::numeric_limits<float>::max())
        return value > 0 ? infinity : -infinity;
    return static_cast<float>(value);
}

double divide(double dividend, double divisor)
{
    if (divisor == 0.0)
        throw RuntimeError(ErrorKind::DivisionByZero);
    return dividend / divisor;
}

} // namespace volvenda
