#pragma once

#include <QLocale>
#include <QStringView>

#include <string>

namespace volvenda {

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

} // namespace volvenda
