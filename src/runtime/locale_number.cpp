#include "locale_number.h"

#include "runtime/detail/ascii_number.h"
#include "runtime_error.h"

#include <QString>

#include <algorithm>
#include <string_view>

namespace volvenda {

namespace {

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

} // namespace volvenda
