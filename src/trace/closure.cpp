#include "closure.h"

#include "runtime/number_spelling.h"

#include <QLocale>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <numeric>

namespace volvenda {

namespace {

// digits x 10^shift as a 64-bit whole number; nullopt when it does not fit.
std::optional<std::uint64_t> scaled(const std::string &digits, long long shift)
{
    std::uint64_t value = 0;
    for (const char digit : digits) {
        if (__builtin_mul_overflow(value, 10U, &value) || __builtin_add_overflow(value, digit - '0', &value))
            return std::nullopt;
    }
    for (long long i = 0; i < shift; ++i) {
        if (__builtin_mul_overflow(value, 10U, &value))
            return std::nullopt;
    }
    return value;
}

ExactDecimal shortestDecimal(double value)
{
    return readExactDecimal(shortestSpelling(value), QLocale::c());
}

} // namespace

std::optional<Closure> closeCurve(const ExactDecimal &R1, const ExactDecimal &R2, float step)
{
    // A zero fixed radius never closes: tracing it fails at its first step.
    if (R1.digits.empty())
        return Closure {0.0, 1.0};

    std::uint64_t turns = 1; // |p|, in units of 2 pi
    if (!R2.digits.empty()) {
        const long long common = std::min(R1.exponent, R2.exponent);
        const std::optional<std::uint64_t> n1 = scaled(R1.digits, R1.exponent - common);
        const std::optional<std::uint64_t> n2 = scaled(R2.digits, R2.exponent - common);
        if (!n1 || !n2)
            return std::nullopt;
        turns = *n1 / std::gcd(*n1, *n2);
    }
    const double end = 2.0 * std::numbers::pi * static_cast<double>(turns);
    return Closure {end, std::floor(end / step) + 1.0};
}

std::optional<Closure> closeCurve(double R1, double R2, float step)
{
    if (!std::isfinite(R1) || !std::isfinite(R2))
        return std::nullopt;
    return closeCurve(shortestDecimal(R1), shortestDecimal(R2), step);
}

} // namespace volvenda
