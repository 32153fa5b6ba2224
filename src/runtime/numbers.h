#pragma once

#include <QLocale>
#include <QStringView>

#include <cstdint>
#include <string>

namespace volvenda {

// The number at the start of the text, as the Start command reads its fields:
// leading blanks skipped, then an optional sign, digits, an optional fraction
// after a period (whatever the locale) and an optional exponent. Whatever
// follows is ignored; text without a leading number reads as 0. A number beyond
// the range of double reads as +/-infinity. Never throws.
[[nodiscard]] double readLeadingNumber(QStringView text) noexcept;

// The whole text, blanks around it allowed, as a number written in the given
// locale (its decimal mark, group separator, signs and exponent; no group
// separator where the locale's options reject them). Throws
// RuntimeError: TypeMismatch when the text is not such a number (the empty
// text and spellings of infinity or not-a-number included), Overflow when the
// number is beyond the target type's range.
[[nodiscard]] double readNumber(QStringView text, const QLocale &locale = QLocale::system());
[[nodiscard]] float readSingle(QStringView text, const QLocale &locale = QLocale::system());

// A number exactly as written: (negative ? -1 : 1) x digits x 10^exponent,
// digits without leading zeros ("" for zero).
struct ExactDecimal
{
    bool negative = false;
    std::string digits;
    long long exponent = 0;
};

// The same reading as readNumber, kept exact instead of rounded. Throws
// TypeMismatch as readNumber does; never Overflow.
[[nodiscard]] ExactDecimal readExactDecimal(QStringView text, const QLocale &locale = QLocale::system());

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
