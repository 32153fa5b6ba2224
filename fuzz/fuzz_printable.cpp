// Names made safe to show, on arbitrary bytes: what is shown holds no
// control, format or separator character but the plain space, and reading its escapes back gives
// exactly the bytes given, so nothing is hidden and nothing dropped. Text
// decoded from valid UTF-8 keeps every character, a byte-order mark at the
// start too, and is shown as its bytes are.

#include "property.h"

#include "output/printable.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace volvenda;

namespace {

// The bytes an escaped name stands for: \xHH a byte, \uHHHH and \UHHHHHHHH
// a character as UTF-8, \n, \r, \t and \\ themselves.
QByteArray readBack(const QString &shown)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown[i] != u'\\') {
            // A character outside the first plane is two units of text.
            const qsizetype units = shown[i].isHighSurrogate() ? 2 : 1;
            bytes += shown.mid(i, units).toUtf8();
            i += units - 1;
            continue;
        }
        check(i + 1 < shown.size());
        const QChar kind = shown[++i];
        const qsizetype digits = kind == u'x' ? 2 : kind == u'u' ? 4 : kind == u'U' ? 8 : 0;
        if (digits == 0) {
            check(kind == u'\\' || kind == u'n' || kind == u'r' || kind == u't');
            bytes += kind == u'n' ? '\n' : kind == u'r' ? '\r' : kind == u't' ? '\t' : '\\';
            continue;
        }
        bool ok = false;
        const char32_t value = shown.mid(i + 1, digits).toUInt(&ok, 16);
        check(ok && i + digits < shown.size());
        i += digits;
        bytes += kind == u'x' ? QByteArray(1, char(value)) : QStringView(QChar::fromUcs4(value)).toUtf8();
    }
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString shown = printable(bytes);
    for (const char32_t c : shown.toUcs4())
        check(!needsEscape(c));
    check(readBack(shown) == bytes);
    // Cut short, it is the start of the whole, its escapes whole, and says so.
    const QString cut = printable(bytes, 80);
    check(cut == shown || (cut.endsWith(u'\u2026') && shown.startsWith(cut.chopped(1))));
    if (QByteArrayView(bytes).isValidUtf8()) {
        const QString text = decodeUtf8(bytes);
        check(text.toUtf8() == bytes);
        check(printable(QStringView(text)) == shown);
    }
    return 0;
}
