#pragma once

#include <QChar>

#include <string>
#include <string_view>

namespace volvenda {

// A number reduced to what std::from_chars reads, as both number readings
// hand it over: body is digits, an optional '.' with digits, and an optional
// 'e' with an optional '-' and digits. The sign is kept apart because
// from_chars takes no leading '+'.
struct AsciiNumber
{
    bool negative = false;
    std::string body;
};

[[nodiscard]] inline bool isAsciiDigit(QChar c) noexcept
{
    return c >= u'0' && c <= u'9';
}

// The exponent part of a body ("" or "e-12"), saturated: an exponent of a
// million digits is just "very large".
[[nodiscard]] long long exponentOf(std::string_view body);

template<typename Real>
struct Converted
{
    Real value;
    // Beyond Real's range: value is then a signed infinity. A number too
    // small for it is no overflow; it reads as a signed zero.
    bool overflow;
};

// The correctly rounded value of a well-formed number, for float and double.
template<typename Real>
[[nodiscard]] Converted<Real> convert(const AsciiNumber &number);

extern template Converted<float> convert<float>(const AsciiNumber &number);
extern template Converted<double> convert<double>(const AsciiNumber &number);

} // namespace volvenda
