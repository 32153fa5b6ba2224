#include "number_spelling.h"

#include <array>
#include <charconv>
#include <cmath>

namespace volvenda {

namespace {

template<typename Real>
QString spell(Real value)
{
    // An exponent only where the plain digits would run long: past 15 digits
    // before the point, or more than three zeros after it.
    const Real magnitude = std::fabs(value);
    const bool plain = magnitude == Real(0) || (magnitude >= Real(1e-4) && magnitude < Real(1e15));
    // Room for the longest: 15 digits, the point and 17 significant digits
    // after four zeros, a sign; or an exponent of three digits.
    std::array<char, 64> text {};
    const std::to_chars_result written = std::to_chars(text.data(), text.data() + text.size(), value,
        plain ? std::chars_format::fixed : std::chars_format::scientific);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(written.ptr - text.data()));
}

} // namespace

QString shortestSpelling(double value)
{
    return spell(value);
}

QString shortestSpelling(float value)
{
    return spell(value);
}

} // namespace volvenda
