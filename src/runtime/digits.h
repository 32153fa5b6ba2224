#pragma once

#include <QChar>
#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace volvenda {

// Digits as this program reads them: '0' to '9', and for hex 'a' to 'f' in
// either case. Not QChar::isDigit, which takes the digits of every script,
// none of which any number read here is written in.

[[nodiscard]] constexpr bool isAsciiDigit(QChar c) noexcept
{
    return c >= u'0' && c <= u'9';
}

// The value of c as a digit in base 10 or 16, or -1 if it is none.
[[nodiscard]] constexpr int digitValue(QChar c, int base = 10) noexcept
{
    if (isAsciiDigit(c))
        return c.unicode() - u'0';
    const char16_t lower = c.unicode() | 0x20U;
    return base == 16 && lower >= u'a' && lower <= u'f' ? lower - u'a' + 10 : -1;
}

// A whole number written in digits of base 10 or 16 and nothing else: no
// sign, prefix or blanks. Nothing for text without digits, with anything
// else, or for a number above largest.
[[nodiscard]] constexpr std::optional<qulonglong> readDigits(QStringView text, qulonglong largest, int base = 10)
{
    if (text.isEmpty())
        return std::nullopt;
    qulonglong value = 0;
    for (const QChar c : text) {
        const int digit = digitValue(c, base);
        // Checked before it is added, so that a long number cannot wrap round.
        if (digit < 0 || qulonglong(digit) > largest || value > (largest - qulonglong(digit)) / qulonglong(base))
            return std::nullopt;
        value = value * qulonglong(base) + qulonglong(digit);
    }
    return value;
}

} // namespace volvenda
