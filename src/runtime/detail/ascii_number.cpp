#include "ascii_number.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <system_error>

namespace volvenda {

namespace {

// from_chars says "out of range" for overflow and underflow alike. The decimal
// order of magnitude tells which: above 1 it overflowed, below it underflowed.
bool magnitudeExceedsOne(std::string_view body)
{
    const std::string_view mantissa = body.substr(0, body.find('e'));
    const long long exponent = exponentOf(body);
    const std::size_t point = mantissa.find('.');
    const std::string_view whole = mantissa.substr(0, point);
    const std::size_t firstSignificant = whole.find_first_not_of('0');
    if (firstSignificant != std::string_view::npos)
        return exponent + static_cast<long long>(whole.size() - firstSignificant) > 0;
    // No significant digit before the point: count the zeros after it.
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : mantissa.substr(point + 1);
    const std::size_t leadingZeros = std::min(fraction.find_first_not_of('0'), fraction.size());
    return exponent - static_cast<long long>(leadingZeros) > 0;
}

} // namespace

long long exponentOf(std::string_view body)
{
    const std::size_t exponentAt = body.find('e');
    if (exponentAt == std::string_view::npos)
        return 0;
    std::string_view digits = body.substr(exponentAt + 1);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative)
        digits.remove_prefix(1);
    constexpr long long cap = 1'000'000'000;
    long long exponent = 0;
    for (const char c : digits)
        exponent = std::min(cap, exponent * 10 + (c - '0'));
    return negative ? -exponent : exponent;
}

template<typename Real>
Converted<Real> convert(const AsciiNumber &number)
{
    Real magnitude {};
    const char *const first = number.body.data();
    const char *const last = first + number.body.size();
    const auto [end, error] = std::from_chars(first, last, magnitude, std::chars_format::general);
    bool overflow = false;
    if (error == std::errc::result_out_of_range) {
        overflow = magnitudeExceedsOne(number.body);
        magnitude = overflow ? std::numeric_limits<Real>::infinity() : Real(0);
    } else if (error != std::errc() || end != last) {
        // The scanners only ever hand over well-formed bodies.
        magnitude = Real(0);
    }
    return {number.negative ? -magnitude : magnitude, overflow};
}

template Converted<float> convert<float>(const AsciiNumber &number);
template Converted<double> convert<double>(const AsciiNumber &number);

} // namespace volvenda
