#include "printable.h"

#include <optional>

namespace volvenda {

namespace {

bool needsEscape(char32_t c)
{
    const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
    // Marks that reorder or hide what follows them on the line.
    const bool directional = c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E)
        || (c >= 0x2066 && c <= 0x2069) || c == 0x2028 || c == 0x2029;
    return control || directional;
}

QString hex(unsigned value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0'));
}

void append(QString &out, char32_t c)
{
    switch (c) {
    case U'\n':
        out += QLatin1String("\\n");
        return;
    case U'\r':
        out += QLatin1String("\\r");
        return;
    case U'\t':
        out += QLatin1String("\\t");
        return;
    case U'\\':
        out += QLatin1String("\\\\");
        return;
    default:
        break;
    }
    if (c < 0x80 && needsEscape(c))
        out += QLatin1String("\\x") + hex(c, 2);
    else if (needsEscape(c) || (c >= 0xD800 && c <= 0xDFFF))
        out += QLatin1String("\\u") + hex(c, 4);
    else
        out += QString::fromUcs4(&c, 1);
}

// The code point of the UTF-8 sequence at the start of bytes and its length;
// nullopt when the first byte does not begin a well-formed sequence.
std::optional<std::pair<char32_t, qsizetype>> decodeOne(QByteArrayView bytes)
{
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return std::pair {char32_t(lead), qsizetype(1)};
    qsizetype length = 0;
    char32_t value = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0U) == 0xC0U) {
        length = 2;
        value = lead & 0x1FU;
        smallest = 0x80;
    } else if ((lead & 0xF0U) == 0xE0U) {
        length = 3;
        value = lead & 0x0FU;
        smallest = 0x800;
    } else if ((lead & 0xF8U) == 0xF0U) {
        length = 4;
        value = lead & 0x07U;
        smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (bytes.size() < length)
        return std::nullopt;
    for (qsizetype i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0U) != 0x80U)
            return std::nullopt;
        value = (value << 6U) | (byte(i) & 0x3FU);
    }
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return std::nullopt;
    return std::pair {value, length};
}

} // namespace

QString printable(QByteArrayView bytes)
{
    QString out;
    out.reserve(bytes.size());
    while (!bytes.isEmpty()) {
        if (const auto decoded = decodeOne(bytes)) {
            append(out, decoded->first);
            bytes = bytes.sliced(decoded->second);
        } else {
            out += QLatin1String("\\x") + hex(static_cast<unsigned char>(bytes.front()), 2);
            bytes = bytes.sliced(1);
        }
    }
    return out;
}

QString printable(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            append(out, QChar::surrogateToUcs4(c, text[i + 1]));
            ++i;
        } else {
            // A lone surrogate is escaped like a control character.
            append(out, c.unicode());
        }
    }
    return out;
}

bool isUtf8(QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const auto decoded = decodeOne(bytes);
        if (!decoded)
            return false;
        bytes = bytes.sliced(decoded->second);
    }
    return true;
}

} // namespace volvenda
