#pragma once

#include <QByteArrayView>
#include <QString>

namespace volvenda {

// Writes text to standard output and makes sure it left the program, as any
// standard tool must for --help and --version: returns the system's reason
// when it did not ("No space left on device", "Bad file descriptor" for a
// closed output), or an empty text.
[[nodiscard]] QString writeStandardOutput(QByteArrayView text);

} // namespace volvenda
