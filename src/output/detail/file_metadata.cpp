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

constexpr char AccessAcl[] = "system.posix_acl_access";

// Whether a failure only means that this attribute cannot be kept here: the
// file system keeps none, or the writer may not read or set it.
bool cannotKeep(int error)
{
    return error == ENOTSUP || error == EPERM || error == EACCES || error == ENODATA;
}

// What a call that fills a buffer of a given size gives (getxattr,
// listxattr): its size asked first, and asked again if it grew meanwhile.
template<typename Read>
SystemResult<QByteArray> readWhole(Read &&read)
{
    for (;;) {
        const ssize_t size = read(nullptr, 0);
        if (size < 0)
            return lastSystemError();
        QByteArray into;
        into.resize(size);
        const ssize_t got = read(into.data(), std::size_t(into.size()));
        if (got < 0 && errno == ERANGE)
            continue;
        if (got < 0)
            return lastSystemError();
        into.resize(got);
        return into;
    }
}

// The value of the attribute name of the file at path.
SystemResult<QByteArray> readAttribute(const QByteArray &path, const char *name)
{
    return readWhole([&](char *data, std::size_t size) { return ::lgetxattr(path.constData(), name, data, size); });
}

// The names of the file's user.* attributes; empty where it has none to read.
QList<QByteArray> userAttributes(const QByteArray &path)
{
    SystemResult<QByteArray> names
        = readWhole([&](char *data, std::size_t size) { return ::llistxattr(path.constData(), data, size); });
    if (!names)
        return {};
    QList<QByteArray> user;
    for (const QByteArray &name : names.value().split('\0'))
        if (name.startsWith("user."))
            user << name;
    return user;
}

// What a call that sets or removes an attribute gave (0, or -1 with errno
// set), failing only where the write must fail: not where the attribute
// just cannot be kept here.
SystemResult<void> attributeKept(int result)
{
    if (result != 0 && !cannotKeep(errno))
        return lastSystemError();
    return {};
}

SystemResult<void> keepOwnerAndMode(const struct stat &existing, int fd)
{
    // The owner and the group, or else the group alone; where neither may
    // be given, the file stays the writer's.
    if (::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
        if (errno != EPERM)
            return lastSystemError();
        if (::fchown(fd, static_cast<uid_t>(-1), existing.st_gid) != 0 && errno != EPERM)
            return lastSystemError();
    }
    // After the owner, whose change clears the set-id bits.
    if (::fchmod(fd, existing.st_mode & 0777U) != 0)
        return lastSystemError();
    return {};
}

// After the mode: an ACL sets the group's bits to its mask, where the mode
// would set the mask to the group's bits.
SystemResult<void> keepAcl(const QByteArray &path, int fd)
{
    SystemResult<QByteArray> acl = readAttribute(path, AccessAcl);
    if (acl)
        return attributeKept(::fsetxattr(fd, AccessAcl, acl.value().constData(), acl.value().size(), 0));
    if (!cannotKeep(acl.error()))
        return SystemError {acl.error()};
    // None on the old file: none on the new one either, whatever the folder's
    // default gave it; the mode alone then says who may do what.
    return attributeKept(::fremovexattr(fd, AccessAcl));
}

// Whether the writer is the file's owner, who may read its attributes even
// where its mode (0200) denies it, by giving themselves that right.
bool ownedByWriter(const struct stat &existing)
{
    return existing.st_uid == ::geteuid();
}

SystemResult<void> keepUserAttributes(const QByteArray &path, const struct stat &existing, int fd)
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
        SystemResult<QByteArray> value = readAttribute(path, name.constData());
        if (!value) {
            // One the writer may not read is not lost in silence: the file
            // was refused before any work (unreadableAttributes), and one
            // that has become so meanwhile fails the write.
            if (cannotKeep(value.error()) && value.error() != EACCES)
                continue;
            return SystemError {value.error()};
        }
        const SystemResult<void> kept
            = attributeKept(::fsetxattr(fd, name.constData(), value.value().constData(), value.value().size(), 0));
        if (!kept)
            return kept;
    }
    return {};
}

} // namespace

SystemResult<void> keepMetadata(const QByteArray &path, const struct stat &existing, int fd)
{
    if (const SystemResult<void> kept = keepOwnerAndMode(existing, fd); !kept)
        return kept;
    if (const SystemResult<void> kept = keepAcl(path, fd); !kept)
        return kept;
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
