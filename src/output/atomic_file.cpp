#include "atomic_file.h"

#include "file_target.h"
#include "output/detail/file_descriptor.h"
#include "output/detail/file_metadata.h"
#include "output/detail/file_sink.h"
#include "output/detail/temporary_name.h"
#include "output/detail/unnamed_file.h"
#include "printable.h"
#include "runtime/system_reason.h"

#include <QIODevice>

#include <array>
#include <cerrno>
#include <functional>

#include <fcntl.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace volvenda {

struct AtomicFile::State
{
    QString path;
    FileTarget target;
    FileDescriptor folder;
    FileDescriptor file;
    // Empty while the temporary file has no name.
    QByteArray temporaryName;
    std::unique_ptr<FileSink> sink;
    bool committed = false;

    [[noreturn]] void failWrite(int error) const { cannotWrite(ErrorKind::FileWriteFailed, path, systemReason(error)); }
    void checkReplaceable() const;
    SystemResult<int> createNamed();
    void replaceTarget();
};

namespace {

// Whether the writer may act on files as their owner would (CAP_FOWNER), as
// root may.
bool mayActAsOwner()
{
    __user_cap_header_struct header {_LINUX_CAPABILITY_VERSION_3, 0};
    std::array<__user_cap_data_struct, _LINUX_CAPABILITY_U32S_3> capabilities {};
    return ::syscall(SYS_capget, &header, capabilities.data()) == 0
        && (capabilities[CAP_FOWNER / 32].effective & (1U << (CAP_FOWNER % 32))) != 0;
}

} // namespace

// What would keep the existing file from being replaced whole, found before
// any work rather than at the end of it.
void AtomicFile::State::checkReplaceable() const
{
    struct stat existing = {};
    struct stat folderInfo = {};
    if (::fstatat(folder.get(), target.name.constData(), &existing, AT_SYMLINK_NOFOLLOW) != 0
        || ::fstat(folder.get(), &folderInfo) != 0)
        failWrite(errno);
    // In a sticky folder only the file's owner or the folder's may rename
    // over it: the rename that ends the work would fail.
    const uid_t writer = ::geteuid();
    if ((folderInfo.st_mode & S_ISVTX) != 0 && existing.st_uid != writer && folderInfo.st_uid != writer
        && !mayActAsOwner())
        cannotWrite(ErrorKind::FileWriteFailed, path,
            QStringLiteral("its folder is sticky (as /tmp is) and the file belongs to someone else, who alone may "
                           "replace it there"));
    const QList<QByteArray> unreadable = unreadableAttributes(target.folder + '/' + target.name, existing);
    if (!unreadable.isEmpty())
        cannotWrite(ErrorKind::FileWriteFailed, path,
            QStringLiteral("it carries attributes you may not read, which a new file would lose: %1")
                .arg(printable(unreadable.join(", "))));
}

// A temporary file with a name of its own, for file systems without unnamed
// ones: its fd, kept in file.
SystemResult<int> AtomicFile::State::createNamed()
{
    SystemResult<QByteArray> created = withFreshName(target.name, [this](const QByteArray &temporary) {
        file.reset(
            ::openat(folder.get(), temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
        return file.valid() ? SystemResult<void>() : lastSystemError();
    });
    if (!created)
        return SystemError {created.error()};
    temporaryName = created.take();
    return file.get();
}

void AtomicFile::State::replaceTarget()
{
    const QByteArray &name = target.name;
    struct stat existing = {};
    const bool exists = ::fstatat(folder.get(), name.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        cannotWrite(
            ErrorKind::FileRefused, path, QStringLiteral("it has become %1").arg(describeType(existing.st_mode)));
    if (exists) {
        const QByteArray existingPath = target.folder + '/' + name;
        if (const SystemResult<void> kept = keepMetadata(existingPath, existing, file.get()); !kept)
            failWrite(kept.error());
    }

    if (temporaryName.isEmpty()) {
        // A new name takes the file at once; an existing one is replaced
        // through a short-lived name, since a link cannot replace a file.
        if (!exists) {
            const SystemResult<void> linked = linkUnnamedFile(file.get(), folder.get(), name);
            if (linked)
                return;
            if (linked.error() != EEXIST)
                failWrite(linked.error());
        }
        SystemResult<QByteArray> linked = withFreshName(
            name, [this](const QByteArray &temporary) { return linkUnnamedFile(file.get(), folder.get(), temporary); });
        if (!linked)
            failWrite(linked.error());
        temporaryName = linked.take();
    }
    if (::renameat(folder.get(), temporaryName.constData(), folder.get(), name.constData()) != 0)
        failWrite(errno);
    temporaryName.clear();
}

AtomicFile::AtomicFile(const QString &path)
    : d(std::make_unique<State>())
{
    d->path = path;
    d->target = resolveTarget(path);
    const FileTarget &target = d->target;

    d->folder.reset(::open(target.folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!d->folder.valid())
        d->failWrite(errno);
    // As for any other way of writing to it: an existing file must be writable.
    if (target.exists && ::faccessat(d->folder.get(), target.name.constData(), W_OK, AT_EACCESS) != 0)
        d->failWrite(errno);
    if (target.exists)
        d->checkReplaceable();

    SystemResult<FileDescriptor> unnamed = openUnnamedFile(d->folder.get());
    if (unnamed) {
        d->file = unnamed.take();
        d->sink = std::make_unique<FileSink>([fd = d->file.get()] { return SystemResult<int>(fd); });
        return;
    }
    // Where the file system has no unnamed files, a named file is made only
    // when writing begins, so that a run killed while it works leaves nothing
    // behind; whether the folder takes one is asked now.
    if (!hasNoUnnamedFiles(unnamed.error()))
        d->failWrite(unnamed.error());
    if (::faccessat(d->folder.get(), ".", W_OK | X_OK, AT_EACCESS) != 0)
        d->failWrite(errno);
    d->sink = std::make_unique<FileSink>([state = d.get()] { return state->createNamed(); });
}

AtomicFile::~AtomicFile()
{
    if (!d->temporaryName.isEmpty())
        ::unlinkat(d->folder.get(), d->temporaryName.constData(), 0);
}

QIODevice &AtomicFile::device()
{
    return *d->sink;
}

void AtomicFile::commit(bool written)
{
    if (d->committed)
        return;
    if (const SystemResult<void> drained = d->sink->drain(); !drained)
        d->failWrite(drained.error());
    if (!written)
        cannotWrite(ErrorKind::FileWriteFailed, d->path, QStringLiteral("the file would not be whole"));
    d->sink->close();
    // On disk before it takes the target's place, so that a crash leaves the
    // old file or the new one, never a part of the new one.
    if (::fsync(d->file.get()) != 0)
        d->failWrite(errno);
    d->replaceTarget();
    // The contents are on disk and in place: a failing close changes nothing.
    d->file.reset();
    d->committed = true;
}

void writeFileAtomically(const QString &path, QByteArrayView contents)
{
    AtomicFile file(path);
    file.device().write(contents.data(), contents.size());
    file.commit();
}

void writeFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    AtomicFile file(path);
    const bool written = write(file.device());
    file.commit(written);
}

} // namespace volvenda
