#include "printable.h"

#include <QStringDecoder>

#include <algorithm>

namespace volvenda {

namespace {

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
    else if (c > 0xFFFF && needsEscape(c))
        // Eight digits, so that the escape never runs on into a digit after it.
        out += QLatin1String("\\U") + hex(c, 8);
    else if (needsEscape(c))
        out += QLatin1String("\\u") + hex(c, 4);
    else
        out += QStringView(QChar::fromUcs4(c));
}

// How many bytes the UTF-8 sequence that begins with lead takes; 0 for a
// byte that begins none.
qsizetype sequenceLength(unsigned char lead)
{
    if (lead < 0x80U)
        return 1;
    if ((lead & 0xE0U) == 0xC0U)
        return 2;
    if ((lead & 0xF0U) == 0xE0U)
        return 3;
    return (lead & 0xF8U) == 0xF0U ? 4 : 0;
}

} // namespace

bool needsEscape(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Surrogate:
        return true;
    // A space other than the plain one (a no-break space, an ideographic
    // space) looks like it, and would make a quoted line look like another.
    case QChar::Separator_Space:
        return c != U' ';
    default:
        return false;
    }
}

QString decodeUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

QString printable(QByteArrayView bytes, qsizetype longest)
{
    QString out;
    out.reserve(longest < 0 ? bytes.size() : std::min(bytes.size(), longest));
    while (!bytes.isEmpty()) {
        if (longest >= 0 && out.size() >= longest) {
            out += u'\u2026';
            break;
        }
        const qsizetype length = sequenceLength(static_cast<unsigned char>(bytes.front()));
        if (length > 0 && length <= bytes.size() && bytes.first(length).isValidUtf8()) {
            const QString character = decodeUtf8(bytes.first(length));
            out += printable(QStringView(character));
            bytes = bytes.sliced(length);
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

} // namespace volvenda
