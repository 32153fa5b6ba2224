#pragma once

#include <QByteArray>

namespace volvenda {

// Temporary files without a name (O_TMPFILE): made in a folder where no one
// sees them, and given a name there only once they are whole.

// A new unnamed file in the folder open at folder, for writing: its fd, or -1
// with errno set.
[[nodiscard]] int openUnnamedFile(int folder);

// Whether the errno of openUnnamedFile says that the file system has no
// unnamed files (NFS, FUSE, old kernels), rather than that the folder may
// not be written to.
[[nodiscard]] bool hasNoUnnamedFiles(int error);

// Gives the unnamed file open at file the name in the folder open at folder:
// 0 or errno, EEXIST where the name is taken, since a link replaces nothing.
[[nodiscard]] int linkUnnamedFile(int file, int folder, const QByteArray &name);

} // namespace volvenda
