#include "leading_number.h"

#include "runtime/detail/ascii_number.h"

namespace volvenda {

namespace {

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

} // namespace

double readLeadingNumber(QStringView text) noexcept
{
    const AsciiNumber number = scanLeadingNumber(text);
    if (number.body.empty())
        return 0.0;
    return convert<double>(number).value;
}

} // namespace volvenda
