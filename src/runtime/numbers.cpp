#include "numbers.h"

#include "runtime_error.h"

#include <QString>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

namespace volvenda {

namespace {

// A number reduced to what std::from_chars reads: body is digits, an optional
// '.' with digits, and an optional 'e' with an optional '-' and digits. The sign
// is kept apart because from_chars takes no leading '+'.
struct AsciiNumber
{
    bool negative = false;
    std::string body;
};

bool isAsciiDigit(QChar c) noexcept
{
    return c >= u'0' && c <= u'9';
}

// The exponent part of a body ("" or "e-12"), saturated: an exponent of a
// million digits is just "very large".
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

template<typename Real>
struct Converted
{
    Real value;
    bool overflow;
};

// Correctly rounded conversion; underflow gives a signed zero, overflow a
// signed infinity with the overflow flag set.
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
        // The scanners below only ever hand over well-formed bodies.
        magnitude = Real(0);
    }
    return {number.negative ? -magnitude : magnitude, overflow};
}

// Consumes ASCII digits from text at pos into out; returns how many.
qsizetype takeDigits(QStringView text, qsizetype &pos, std::string &out)
{
    const qsizetype start = pos;
    while (pos < text.size() && isAsciiDigit(text[pos])) {
        out.push_back(static_cast<char>(text[pos].unicode()));
        ++pos;
    }
    return pos - start;
}

bool isBlank(QChar c) noexcept
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// The lenient grammar: [sign] digits [. digits] [e [sign] digits], with the
// exponent taken only when a digit follows it.
AsciiNumber scanLeadingNumber(QStringView text)
{
    AsciiNumber number;
    qsizetype pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        number.negative = text[pos] == u'-';
        ++pos;
    }
    qsizetype digits = takeDigits(text, pos, number.body);
    if (pos < text.size() && text[pos] == u'.') {
        ++pos;
        number.body.push_back('.');
        digits += takeDigits(text, pos, number.body);
    }
    if (digits == 0)
        return {};
    if (pos < text.size() && (text[pos] == u'e' || text[pos] == u'E')) {
        qsizetype probe = pos + 1;
        bool negativeExponent = false;
        if (probe < text.size() && (text[probe] == u'+' || text[probe] == u'-')) {
            negativeExponent = text[probe] == u'-';
            ++probe;
        }
        if (probe < text.size() && isAsciiDigit(text[probe])) {
            number.body.append(negativeExponent ? "e-" : "e");
            takeDigits(text, probe, number.body);
        }
    }
    return number;
}

// Symbols of a locale's number format, as the strict reading accepts them.
class LocaleSymbols
{
public:
    explicit LocaleSymbols(const QLocale &locale)
        : m_decimal(locale.decimalPoint())
        , m_group(locale.numberOptions().testFlag(QLocale::RejectGroupSeparator) ? QString() : locale.groupSeparator())
        , m_minus(locale.negativeSign())
        , m_plus(locale.positiveSign())
        , m_exponent(locale.exponential())
        , m_zero(locale.zeroDigit())
    {
    }

    // Reads one of the symbols at pos and moves past it.
    bool takeDecimal(QStringView text, qsizetype &pos) const { return take(text, pos, m_decimal); }
    bool takeGroup(QStringView text, qsizetype &pos) const { return take(text, pos, m_group); }
    bool takeExponent(QStringView text, qsizetype &pos) const
    {
        return take(text, pos, u"e") || take(text, pos, u"E") || take(text, pos, m_exponent);
    }
    // Reads a sign, if there is one; whether it was a minus.
    bool takeSign(QStringView text, qsizetype &pos) const
    {
        if (take(text, pos, m_minus) || take(text, pos, u"-"))
            return true;
        if (!take(text, pos, m_plus))
            take(text, pos, u"+");
        return false;
    }

    // The digit at pos as ASCII, in ASCII or in the locale's own digits; '\0' for none.
    char digitAt(QStringView text, qsizetype pos) const
    {
        if (pos >= text.size())
            return '\0';
        if (isAsciiDigit(text[pos]))
            return static_cast<char>(text[pos].unicode());
        if (m_zero.size() == 1) {
            const int offset = text[pos].unicode() - m_zero[0].unicode();
            if (offset >= 0 && offset <= 9)
                return static_cast<char>('0' + offset);
        }
        return '\0';
    }

    qsizetype takeDigits(QStringView text, qsizetype &pos, std::string &out, qsizetype limit = -1) const
    {
        qsizetype count = 0;
        while (count != limit) {
            const char digit = digitAt(text, pos);
            if (digit == '\0')
                break;
            out.push_back(digit);
            ++pos;
            ++count;
        }
        return count;
    }

private:
    static bool take(QStringView text, qsizetype &pos, QStringView symbol)
    {
        if (symbol.isEmpty() || !text.sliced(pos).startsWith(symbol))
            return false;
        pos += symbol.size();
        return true;
    }

    QString m_decimal;
    QString m_group;
    QString m_minus;
    QString m_plus;
    QString m_exponent;
    QString m_zero;
};

// The strict grammar, in the locale's symbols: [sign] whole [decimal digits]
// [exponent [sign] digits], the whole text and nothing else. Group separators
// may split the whole part, each followed by exactly three digits, so that
// "1.5" in a locale whose group separator is '.' is refused instead of read as 15.
AsciiNumber scanLocaleNumber(QStringView text, const QLocale &locale)
{
    const LocaleSymbols symbols(locale);
    const QStringView trimmed = text.trimmed();
    AsciiNumber number;
    qsizetype pos = 0;
    number.negative = symbols.takeSign(trimmed, pos);

    qsizetype digits = symbols.takeDigits(trimmed, pos, number.body);
    const qsizetype leadingRun = digits;
    bool grouped = false;
    for (qsizetype probe = pos; leadingRun > 0 && symbols.takeGroup(trimmed, probe); probe = pos) {
        std::string group;
        if (symbols.takeDigits(trimmed, probe, group, 3) != 3 || symbols.digitAt(trimmed, probe) != '\0')
            throw RuntimeError(ErrorKind::TypeMismatch);
        number.body += group;
        digits += 3;
        grouped = true;
        pos = probe;
    }
    if (grouped && leadingRun > 3)
        throw RuntimeError(ErrorKind::TypeMismatch);

    if (symbols.takeDecimal(trimmed, pos)) {
        number.body.push_back('.');
        digits += symbols.takeDigits(trimmed, pos, number.body);
    }
    if (digits == 0)
        throw RuntimeError(ErrorKind::TypeMismatch);

    if (symbols.takeExponent(trimmed, pos)) {
        const bool negativeExponent = symbols.takeSign(trimmed, pos);
        number.body.append(negativeExponent ? "e-" : "e");
        if (symbols.takeDigits(trimmed, pos, number.body) == 0)
            throw RuntimeError(ErrorKind::TypeMismatch);
    }
    if (pos != trimmed.size())
        throw RuntimeError(ErrorKind::TypeMismatch);
    return number;
}

template<typename Real>
Real readStrict(QStringView text, const QLocale &locale)
{
    const Converted<Real> converted = convert<Real>(scanLocaleNumber(text, locale));
    if (converted.overflow)
        throw RuntimeError(ErrorKind::Overflow);
    return converted.value;
}

} // namespace

double readLeadingNumber(QStringView text) noexcept
{
    const AsciiNumber number = scanLeadingNumber(text);
    if (number.body.empty())
        return 0.0;
    return convert<double>(number).value;
}

double readNumber(QStringView text, const QLocale &locale)
{
    return readStrict<double>(text, locale);
}

float readSingle(QStringView text, const QLocale &locale)
{
    return readStrict<float>(text, locale);
}

ExactDecimal readExactDecimal(QStringView text, const QLocale &locale)
{
    const AsciiNumber number = scanLocaleNumber(text, locale);
    const std::string_view body = number.body;
    const std::string_view mantissa = body.substr(0, body.find('e'));
    const std::size_t point = mantissa.find('.');

    ExactDecimal exact;
    exact.negative = number.negative;
    exact.exponent = exponentOf(body);
    exact.digits = std::string(mantissa.substr(0, point));
    if (point != std::string_view::npos) {
        const std::string_view fraction = mantissa.substr(point + 1);
        exact.digits += fraction;
        exact.exponent -= static_cast<long long>(fraction.size());
    }
    exact.digits.erase(0, std::min(exact.digits.find_first_not_of('0'), exact.digits.size()));
    // Trailing zeros move into the exponent, so that 1200 is 12 x 10^2.
    while (!exact.digits.empty() && exact.digits.back() == '0') {
        exact.digits.pop_back();
        ++exact.exponent;
    }
    if (exact.digits.empty())
        exact.exponent = 0;
    return exact;
}

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
