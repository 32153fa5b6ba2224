#pragma once

#include "runtime/runtime_error.h"
#include "trace/start_command.h"

#include <QString>

namespace volvenda {

// The second line of an error's message box: which field holds what, and
// what to do about it; empty where there is nothing more to say. The first
// line is the error's own text.

// For Start: R1 of 0 divides by zero; the largest number, or a tiny R1,
// sends the curve beyond the range of single precision.
[[nodiscard]] QString startRemedy(ErrorKind kind, const FieldTexts &fields);

// For Clear, which reads R1 strictly, in the user's locale.
[[nodiscard]] QString clearRemedy(ErrorKind kind, const QString &R11);

// For memory that ran out, whatever the command.
[[nodiscard]] QString outOfMemoryRemedy(ErrorKind kind);

// For a window that could not be made, for want of memory for its picture.
[[nodiscard]] QString startUpRemedy(ErrorKind kind);

} // namespace volvenda
