#include "file_metadata.h"

#include <QByteArrayList>
#include <QList>
#include <QScopeGuard>

#include <cerrno>

#include <sys/types.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace volvenda {

namespace {

constexpr char accessAcl[] = "system.posix_acl_access";

// Whether a failure only means that this attribute cannot be kept here: the
// file system keeps none, or the writer may not read or set it.
bool cannotKeep(int error)
{
    return error == ENOTSUP || error == EPERM || error == EACCES || error == ENODATA;
}

// What a call that fills a buffer of a given size gives (getxattr,
// listxattr): its size asked first, and asked again if it grew meanwhile.
// False with errno set when there is nothing to have.
template<typename Read>
bool readWhole(QByteArray &into, Read &&read)
{
    for (;;) {
        const ssize_t size = read(nullptr, 0);
        if (size < 0)
            return false;
        into.resize(size);
        const ssize_t got = read(into.data(), std::size_t(into.size()));
        if (got < 0 && errno == ERANGE)
            continue;
        if (got < 0)
            return false;
        into.resize(got);
        return true;
    }
}

// The value of the attribute name of the file at path.
bool readAttribute(const QByteArray &path, const char *name, QByteArray &value)
{
    return readWhole(
        value, [&](char *data, std::size_t size) { return ::lgetxattr(path.constData(), name, data, size); });
}

// The names of the file's user.* attributes; empty where it has none to read.
QList<QByteArray> userAttributes(const QByteArray &path)
{
    QByteArray names;
    if (!readWhole(names, [&](char *data, std::size_t size) { return ::llistxattr(path.constData(), data, size); }))
        return {};
    QList<QByteArray> user;
    for (const QByteArray &name : names.split('\0'))
        if (name.startsWith("user."))
            user << name;
    return user;
}

int keepOwnerAndMode(const struct stat &existing, int fd)
{
    int ownership = ::fchown(fd, existing.st_uid, existing.st_gid) == 0 ? 0 : errno;
    if (ownership == EPERM)
        ownership = ::fchown(fd, static_cast<uid_t>(-1), existing.st_gid) == 0 ? 0 : errno;
    if (ownership != 0 && ownership != EPERM)
        return ownership;
    // After the owner, whose change clears the set-id bits.
    return ::fchmod(fd, existing.st_mode & 0777U) == 0 ? 0 : errno;
}

// After the mode: an ACL sets the group's bits to its mask, where the mode
// would set the mask to the group's bits.
int keepAcl(const QByteArray &path, int fd)
{
    QByteArray acl;
    if (readAttribute(path, accessAcl, acl))
        return ::fsetxattr(fd, accessAcl, acl.constData(), acl.size(), 0) == 0 || cannotKeep(errno) ? 0 : errno;
    if (!cannotKeep(errno))
        return errno;
    // None on the old file: none on the new one either, whatever the folder's
    // default gave it; the mode alone then says who may do what.
    return ::fremovexattr(fd, accessAcl) == 0 || cannotKeep(errno) ? 0 : errno;
}

// Whether the writer is the file's owner, who may read its attributes even
// where its mode (0200) denies it, by giving themselves that right.
bool ownedByWriter(const struct stat &existing)
{
    return existing.st_uid == ::geteuid();
}

int keepUserAttributes(const QByteArray &path, const struct stat &existing, int fd)
{
    const QList<QByteArray> names = userAttributes(path);
    // Lent only for the moment the attributes are read, whatever happens.
    const mode_t mode = existing.st_mode & 07777U;
    const bool lent = !names.isEmpty() && ownedByWriter(existing) && (mode & S_IRUSR) == 0
        && ::chmod(path.constData(), mode | S_IRUSR) == 0;
    const auto restore = qScopeGuard([&] {
        if (lent)
            ::chmod(path.constData(), mode);
    });
    for (const QByteArray &name : names) {
        QByteArray value;
        if (!readAttribute(path, name.constData(), value)) {
            // One the writer may not read is not lost in silence: the file
            // was refused before any work (unreadableAttributes), and one
            // that has become so meanwhile fails the write.
            if (cannotKeep(errno) && errno != EACCES)
                continue;
            return errno;
        }
        if (::fsetxattr(fd, name.constData(), value.constData(), value.size(), 0) != 0 && !cannotKeep(errno))
            return errno;
    }
    return 0;
}

} // namespace

int keepMetadata(const QByteArray &path, const struct stat &existing, int fd)
{
    if (const int error = keepOwnerAndMode(existing, fd))
        return error;
    if (const int error = keepAcl(path, fd))
        return error;
    return keepUserAttributes(path, existing, fd);
}

QList<QByteArray> unreadableAttributes(const QByteArray &path, const struct stat &existing)
{
    QList<QByteArray> unreadable;
    if (ownedByWriter(existing))
        return unreadable;
    for (const QByteArray &name : userAttributes(path))
        if (::lgetxattr(path.constData(), name.constData(), nullptr, 0) < 0 && errno == EACCES)
            unreadable << name;
    return unreadable;
}

} // namespace volvenda
