#pragma once

#include "runtime/system_result.h"

#include <QByteArrayView>

namespace volvenda {

// Writes text to standard output and makes sure it left the program, as any
// standard tool must for --help and --version: fails with the errno of why
// it did not (ENOSPC, EBADF for a closed output; EIO where the C library
// gave none).
[[nodiscard]] SystemResult<void> writeStandardOutput(QByteArrayView text);

} // namespace volvenda
