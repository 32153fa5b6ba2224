#include "unnamed_file.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace volvenda {

int openUnnamedFile(int folder)
{
    return ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
}

bool hasNoUnnamedFiles(int error)
{
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL || error == ENOENT;
}

int linkUnnamedFile(int file, int folder, const QByteArray &name)
{
    if (::linkat(file, "", folder, name.constData(), AT_EMPTY_PATH) == 0)
        return 0;
    if (errno != ENOENT && errno != EPERM)
        return errno;
    // Without the capability for AT_EMPTY_PATH, through the process's own
    // view of its open files.
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(file);
    return ::linkat(AT_FDCWD, self.constData(), folder, name.constData(), AT_SYMLINK_FOLLOW) == 0 ? 0 : errno;
}

} // namespace volvenda
