#pragma once

#include "output/detail/file_descriptor.h"
#include "runtime/system_result.h"

#include <QByteArray>

namespace volvenda {

// Temporary files without a name (O_TMPFILE): made in a folder where no one
// sees them, and given a name there only once they are whole.

// A new unnamed file in the folder open at folder, open for writing.
[[nodiscard]] SystemResult<FileDescriptor> openUnnamedFile(int folder);

// Whether the errno of openUnnamedFile says that the file system has no
// unnamed files (NFS, FUSE, old kernels), rather than that the folder may
// not be written to.
[[nodiscard]] bool hasNoUnnamedFiles(int error);

// Gives the unnamed file open at file the name in the folder open at folder;
// fails with EEXIST where the name is taken, since a link replaces nothing.
[[nodiscard]] SystemResult<void> linkUnnamedFile(int file, int folder, const QByteArray &name);

} // namespace volvenda
