#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace volvenda {

// Text from outside (arguments, file names) made safe to show on a terminal
// and unambiguous to read: control characters, the invisible marks that turn
// text direction, bytes that are not UTF-8 and the backslash itself are shown
// as escapes (\n, \t, \x1b, \xff, \u202e, \\); everything else is kept.
[[nodiscard]] QString printable(QByteArrayView bytes);
[[nodiscard]] QString printable(QStringView text);

// Whether the bytes are UTF-8 throughout: no stray or truncated sequences,
// no overlong forms, surrogates or values beyond U+10FFFF.
[[nodiscard]] bool isUtf8(QByteArrayView bytes);

} // namespace volvenda
