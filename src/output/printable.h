#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace volvenda {

// What a terminal would act on, or a reader not see, in text from outside:
// control characters; the invisible characters that change how the rest
// shows (direction marks, joiners, the byte-order mark, the soft hyphen, line
// and paragraph separators); spaces other than the plain one (the no-break
// space, the ideographic space); and half of a surrogate pair on its own.
[[nodiscard]] bool needsEscape(char32_t c);

// Text from outside (arguments, file names) made safe to show on a terminal
// and unambiguous to read: the characters that need an escape, bytes that
// are not UTF-8 and the backslash itself are shown as escapes (\n, \t, \x1b,
// \xff, \u00a0, \u202e, \ufeff, \U000e0001, \\); everything else is kept,
// and nothing is dropped: the escapes read back as exactly what was given.
// With longest given, the bytes are shown only until the text has that many
// characters, and then an ellipsis ("…") if any are left; an escape is never
// cut.
[[nodiscard]] QString printable(QByteArrayView bytes, qsizetype longest = -1);
[[nodiscard]] QString printable(QStringView text);

// UTF-8 bytes as text, every character kept: unlike QString::fromUtf8, a
// byte-order mark at the start too, which in a file name is part of the name.
[[nodiscard]] QString decodeUtf8(QByteArrayView bytes);

} // namespace volvenda
