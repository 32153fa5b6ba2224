#pragma once

#include <QByteArray>
#include <QString>

namespace volvenda {

// Text for a terminal, in the character set of the locale the C library has
// (LC_CTYPE, set by setlocale). UTF-8 locales, and the C and POSIX locales,
// whose terminals are taken to be UTF-8 as they always were, write UTF-8.

// Whether the character set holds the text: each of its letters, and any
// other character at least as the nearest it has (<< for «).
[[nodiscard]] bool terminalCanShow(const QString &text);

// The text in that character set: a character it does not hold is written as
// the nearest it has (... for …), or as ?, never as UTF-8 bytes the terminal
// would show as other characters.
[[nodiscard]] QByteArray terminalBytes(const QString &text);

} // namespace volvenda
