#include "file_target.h"

#include "printable.h"
#include "runtime/catalogue.h"
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
    //: %1 is a file's name, %2 the reason.
    throw RuntimeError(kind, translate("Files", "cannot write '%1': %2").arg(printable(QStringView(path)), reason));
}

// Said of a file, as what "it is": each the subject's complement, so that a
// translation can keep it in one grammatical case.
QString describeType(mode_t mode)
{
    if (S_ISDIR(mode))
        return translate("Files", "a folder");
    if (S_ISFIFO(mode))
        return translate("Files", "a named pipe");
    if (S_ISSOCK(mode))
        return translate("Files", "a socket");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return translate("Files", "a device");
    return translate("Files", "not a regular file");
}

FileTarget resolveTarget(const QString &path)
{
    if (path.isEmpty())
        cannotWrite(ErrorKind::FileRefused, path, translate("Files", "no file name"));
    if (!path.isValidUtf16())
        cannotWrite(ErrorKind::FileRefused, path, translate("Files", "the name is not valid text"));
    const QByteArray bytes = QFile::encodeName(path);
    if (bytes.contains('\0'))
        cannotWrite(ErrorKind::FileRefused, path, translate("Files", "the name holds a null character"));
    if (bytes.endsWith('/'))
        cannotWrite(ErrorKind::FileRefused, path, translate("Files", "the name ends in '/', as a folder's does"));

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
                folderError == ENOENT ? translate("Files", "its folder does not exist") : systemReason(folderError));
        }
        return target;
    }
    if (S_ISREG(link.st_mode))
        return splitPath(bytes, true);
    if (!S_ISLNK(link.st_mode))
        //: %1 is what the file is, such as a folder.
        cannotWrite(ErrorKind::FileRefused, path, translate("Files", "it is %1").arg(describeType(link.st_mode)));

    struct stat end = {};
    if (::stat(bytes.constData(), &end) != 0) {
        const int error = errno;
        if (error == ENOENT)
            cannotWrite(ErrorKind::FileRefused, path,
                translate("Files", "it is a symbolic link to a file that does not exist"));
        cannotWrite(lookupKind(error), path, systemReason(error));
    }
    if (!S_ISREG(end.st_mode))
        //: %1 is what the link's target is, such as a folder.
        cannotWrite(ErrorKind::FileRefused, path,
            translate("Files", "it is a symbolic link to %1").arg(describeType(end.st_mode)));
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
