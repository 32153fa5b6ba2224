#include "unnamed_file.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace volvenda {

SystemResult<FileDescriptor> openUnnamedFile(int folder)
{
    const int fd = ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0)
        return lastSystemError();
    return FileDescriptor(fd);
}

bool hasNoUnnamedFiles(int error)
{
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL || error == ENOENT;
}

SystemResult<void> linkUnnamedFile(int file, int folder, const QByteArray &name)
{
    if (::linkat(file, "", folder, name.constData(), AT_EMPTY_PATH) == 0)
        return {};
    if (errno != ENOENT && errno != EPERM)
        return lastSystemError();
    // Without the capability for AT_EMPTY_PATH, through the process's own
    // view of its open files.
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(file);
    if (::linkat(AT_FDCWD, self.constData(), folder, name.constData(), AT_SYMLINK_FOLLOW) != 0)
        return lastSystemError();
    return {};
}

} // namespace volvenda
