#include "file_target.h"

#include "printable.h"
#include "runtime/system_reason.h"

#include <QFile>

#include <cerrno>
#include <cstdlib>

#include <sys/stat.h>

namespace volvenda {

namespace {

// A failed look at the name is about the name (refused) unless the system
// denied it.
ErrorKind lookupKind(int error)
{
    return error == ENOENT || error == ENOTDIR || error == ENAMETOOLONG || error == ELOOP ? ErrorKind::FileRefused
                                                                                          : ErrorKind::FileWriteFailed;
}

FileTarget splitPath(const QByteArray &path, bool exists)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return {QByteArrayLiteral("."), path, exists};
    return {slash == 0 ? QByteArrayLiteral("/") : path.left(slash), path.mid(slash + 1), exists};
}

} // namespace

void cannotWrite(ErrorKind kind, const QString &path, const QString &reason)
{
    throw RuntimeError(kind, QStringLiteral("cannot write '%1': %2").arg(printable(QStringView(path)), reason));
}

QString describeType(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("a named pipe");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("a device");
    return QStringLiteral("not a regular file");
}

FileTarget resolveTarget(const QString &path)
{
    if (path.isEmpty())
        cannotWrite(ErrorKind::FileRefused, path, QStringLiteral("no file name"));
    if (!path.isValidUtf16())
        cannotWrite(ErrorKind::FileRefused, path, QStringLiteral("the name is not valid text"));
    const QByteArray bytes = QFile::encodeName(path);
    if (bytes.contains('\0'))
        cannotWrite(ErrorKind::FileRefused, path, QStringLiteral("the name holds a null character"));
    if (bytes.endsWith('/'))
        cannotWrite(ErrorKind::FileRefused, path, QStringLiteral("the name ends in '/', as a folder's does"));

    struct stat link = {};
    if (::lstat(bytes.constData(), &link) != 0) {
        const int error = errno;
        if (error != ENOENT)
            cannotWrite(lookupKind(error), path, systemReason(error));
        // A new name, if its folder is there.
        FileTarget target = splitPath(bytes, false);
        struct stat folder = {};
        if (::stat(target.folder.constData(), &folder) != 0) {
            const int folderError = errno;
            cannotWrite(lookupKind(folderError), path,
                folderError == ENOENT ? QStringLiteral("its folder does not exist") : systemReason(folderError));
        }
        return target;
    }
    if (S_ISREG(link.st_mode))
        return splitPath(bytes, true);
    if (!S_ISLNK(link.st_mode))
        cannotWrite(ErrorKind::FileRefused, path, QStringLiteral("it is %1").arg(describeType(link.st_mode)));

    struct stat end = {};
    if (::stat(bytes.constData(), &end) != 0) {
        const int error = errno;
        if (error == ENOENT)
            cannotWrite(
                ErrorKind::FileRefused, path, QStringLiteral("it is a symbolic link to a file that does not exist"));
        cannotWrite(lookupKind(error), path, systemReason(error));
    }
    if (!S_ISREG(end.st_mode))
        cannotWrite(
            ErrorKind::FileRefused, path, QStringLiteral("it is a symbolic link to %1").arg(describeType(end.st_mode)));
    char *resolved = ::realpath(bytes.constData(), nullptr);
    if (!resolved) {
        const int error = errno;
        cannotWrite(lookupKind(error), path, systemReason(error));
    }
    const QByteArray real(resolved);
    std::free(resolved); // NOLINT(cppcoreguidelines-no-malloc): realpath allocates with malloc
    return splitPath(real, true);
}

void checkFileTarget(const QString &path)
{
    (void)resolveTarget(path);
}

bool replacesAFile(const QString &path)
{
    struct stat end = {};
    const QByteArray bytes = QFile::encodeName(path);
    return !path.isEmpty() && !bytes.contains('\0') && !bytes.endsWith('/') && ::stat(bytes.constData(), &end) == 0
        && S_ISREG(end.st_mode);
}

} // namespace volvenda
