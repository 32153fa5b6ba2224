#include "terminal_text.h"

#include <clocale>
#include <cstring>

#include <iconv.h>
#include <langinfo.h>

namespace volvenda {

namespace {

bool writesUtf8()
{
    const char *locale = std::setlocale(LC_CTYPE, nullptr);
    return locale == nullptr || std::strcmp(locale, "C") == 0 || std::strcmp(locale, "POSIX") == 0
        || std::strcmp(::nl_langinfo(CODESET), "UTF-8") == 0;
}

// The text converted to the locale's character set, approximating what it
// does not hold or failing there; empty and false when it failed.
bool convert(const QString &text, bool approximate, QByteArray &converted)
{
    const QByteArray target = QByteArray(::nl_langinfo(CODESET)) + (approximate ? "//TRANSLIT" : "");
    const iconv_t converter = ::iconv_open(target.constData(), "UTF-8");
    // iconv_open's own value for a failure.
    if (converter == iconv_t(-1)) // NOLINT(performance-no-int-to-ptr)
        return false;
    QByteArray input = text.toUtf8();
    char *in = input.data();
    std::size_t inLeft = static_cast<std::size_t>(input.size());
    // No character set here takes more than four bytes for one in UTF-8.
    converted.resize(input.size() * 4 + 4);
    char *out = converted.data();
    std::size_t outLeft = static_cast<std::size_t>(converted.size());
    const bool whole = ::iconv(converter, &in, &inLeft, &out, &outLeft) != std::size_t(-1)
        && ::iconv(converter, nullptr, nullptr, &out, &outLeft) != std::size_t(-1);
    ::iconv_close(converter);
    converted.resize(whole ? converted.size() - static_cast<qsizetype>(outLeft) : 0);
    return whole;
}

} // namespace

bool terminalCanShow(const QString &text)
{
    if (writesUtf8())
        return true;
    // Held where every letter is, and the rest a set lacks (KOI8-R has no «
    // or —) can be spelled with what it has (<< and -); what cannot be is
    // written as ?.
    QString letters;
    for (const QChar c : text)
        if (c.isLetter())
            letters += c;
    QByteArray converted;
    return convert(letters, false, converted) && convert(text, true, converted)
        && converted.count('?') == text.count(QLatin1Char('?'));
}

QByteArray terminalBytes(const QString &text)
{
    if (writesUtf8())
        return text.toUtf8();
    QByteArray converted;
    if (convert(text, true, converted))
        return converted;
    // A character set iconv does not know: what every one of them holds.
    QByteArray ascii;
    for (const QChar c : text)
        ascii += c.unicode() < 128 ? char(c.unicode()) : '?';
    return ascii;
}

} // namespace volvenda
