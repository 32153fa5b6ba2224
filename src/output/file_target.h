#pragma once

#include "runtime/runtime_error.h"

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace volvenda {

// Which names a file may be written at, and where a write to one lands once
// its symbolic links are followed.

// Checks that a file may be written at path: an existing regular file (also
// through symbolic links to one) or a new name in an existing folder. Throws
// RuntimeError: FileRefused for anything else (a folder, device, pipe,
// socket, a link to nothing or a loop of links, a missing folder, a name too
// long or not valid text), FileWriteFailed when the system denies the look
// (no permission to search a folder). The message names the file and says why.
void checkFileTarget(const QString &path);

// Whether a write to path would replace an existing regular file (also one a
// link points to): what a program asks about before it writes. False for a
// new name, and for all that checkFileTarget refuses.
[[nodiscard]] bool replacesAFile(const QString &path);

// Where a file will be written: its folder and its name there, after
// following symbolic links to the regular file they end at.
struct FileTarget
{
    QByteArray folder;
    QByteArray name;
    bool exists = false;
};

// The target of a write to path, checked as checkFileTarget does, which
// throws as it does.
[[nodiscard]] FileTarget resolveTarget(const QString &path);

// What a name that is no regular file names, for a message: "a folder", "a
// named pipe"...
[[nodiscard]] QString describeType(mode_t mode);

// Throws the RuntimeError of kind saying that the file at path cannot be
// written, with its name shown safely, and why.
[[noreturn]] void cannotWrite(ErrorKind kind, const QString &path, const QString &reason);

} // namespace volvenda
