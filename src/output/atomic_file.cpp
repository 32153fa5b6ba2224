#include "atomic_file.h"

#include "file_metadata.h"
#include "printable.h"
#include "runtime/runtime_error.h"
#include "runtime/system_reason.h"

#include <QFile>
#include <QIODevice>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace volvenda {

namespace {

constexpr qsizetype bufferSize = 1 << 16;
constexpr int nameAttempts = 100;

[[noreturn]] void fail(ErrorKind kind, const QString &path, const QString &reason)
{
    throw RuntimeError(kind, QStringLiteral("cannot write '%1': %2").arg(printable(QStringView(path)), reason));
}

// What a name that is no regular file names, for the message.
QString kindOf(mode_t mode)
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

// A failed look at the name is about the name (refused) unless the system
// denied it.
ErrorKind lookupKind(int error)
{
    return error == ENOENT || error == ENOTDIR || error == ENAMETOOLONG || error == ELOOP ? ErrorKind::FileRefused
                                                                                          : ErrorKind::FileWriteFailed;
}

class FileDescriptor
{
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {
    }
    ~FileDescriptor() { reset(); }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    FileDescriptor(FileDescriptor &&) = delete;
    FileDescriptor &operator=(FileDescriptor &&) = delete;

    [[nodiscard]] int get() const { return m_fd; }
    [[nodiscard]] bool valid() const { return m_fd >= 0; }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd = -1;
};

// Where a file will be written: its folder and its name there, after
// following symbolic links to the regular file they end at.
struct Target
{
    QByteArray folder;
    QByteArray name;
    bool exists = false;
};

Target splitPath(const QByteArray &path, bool exists)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return {QByteArrayLiteral("."), path, exists};
    return {slash == 0 ? QByteArrayLiteral("/") : path.left(slash), path.mid(slash + 1), exists};
}

Target resolveTarget(const QString &path)
{
    if (path.isEmpty())
        fail(ErrorKind::FileRefused, path, QStringLiteral("no file name"));
    if (!path.isValidUtf16())
        fail(ErrorKind::FileRefused, path, QStringLiteral("the name is not valid text"));
    const QByteArray bytes = QFile::encodeName(path);
    if (bytes.contains('\0'))
        fail(ErrorKind::FileRefused, path, QStringLiteral("the name holds a null character"));
    if (bytes.endsWith('/'))
        fail(ErrorKind::FileRefused, path, QStringLiteral("the name ends in '/', as a folder's does"));

    struct stat link = {};
    if (::lstat(bytes.constData(), &link) != 0) {
        const int error = errno;
        if (error != ENOENT)
            fail(lookupKind(error), path, systemReason(error));
        // A new name, if its folder is there.
        Target target = splitPath(bytes, false);
        struct stat folder = {};
        if (::stat(target.folder.constData(), &folder) != 0) {
            const int folderError = errno;
            fail(lookupKind(folderError), path,
                folderError == ENOENT ? QStringLiteral("its folder does not exist") : systemReason(folderError));
        }
        return target;
    }
    if (S_ISREG(link.st_mode))
        return splitPath(bytes, true);
    if (!S_ISLNK(link.st_mode))
        fail(ErrorKind::FileRefused, path, QStringLiteral("it is %1").arg(kindOf(link.st_mode)));

    struct stat end = {};
    if (::stat(bytes.constData(), &end) != 0) {
        const int error = errno;
        if (error == ENOENT)
            fail(ErrorKind::FileRefused, path, QStringLiteral("it is a symbolic link to a file that does not exist"));
        fail(lookupKind(error), path, systemReason(error));
    }
    if (!S_ISREG(end.st_mode))
        fail(ErrorKind::FileRefused, path, QStringLiteral("it is a symbolic link to %1").arg(kindOf(end.st_mode)));
    char *resolved = ::realpath(bytes.constData(), nullptr);
    if (!resolved) {
        const int error = errno;
        fail(lookupKind(error), path, systemReason(error));
    }
    const QByteArray real(resolved);
    std::free(resolved); // NOLINT(cppcoreguidelines-no-malloc): realpath allocates with malloc
    return splitPath(real, true);
}

// Writes all of data to fd, across short writes and interruptions; 0 or errno.
int writeAll(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += written;
        size -= written;
    }
    return 0;
}

// The temporary file as a device: buffered, and keeping the first failure
// with its errno so that the message can give the system's reason. The file
// is opened by the first write that reaches it: opening gives an fd, or
// minus errno.
class FileSink final : public QIODevice
{
public:
    explicit FileSink(std::function<int()> openFile)
        : m_openFile(std::move(openFile))
    {
        m_buffer.reserve(bufferSize);
        QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    [[nodiscard]] bool isSequential() const override { return true; }
    [[nodiscard]] int failure() const { return m_error; }

    // Opens the file if no write did yet, and writes out what is buffered;
    // false after any failure.
    bool drain()
    {
        if (m_error == 0 && m_fd < 0) {
            m_fd = m_openFile();
            m_error = m_fd < 0 ? -m_fd : 0;
        }
        if (m_error == 0 && !m_buffer.isEmpty())
            m_error = writeAll(m_fd, m_buffer.constData(), m_buffer.size());
        m_buffer.clear();
        return m_error == 0;
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        if (m_error != 0)
            return -1;
        // Whatever does not fit goes out now, and a large piece straight after it.
        if ((m_buffer.size() + size > bufferSize || size >= bufferSize) && !drain())
            return -1;
        if (size >= bufferSize) {
            m_error = writeAll(m_fd, data, size);
            return m_error == 0 ? size : -1;
        }
        m_buffer.append(data, size);
        return size;
    }

private:
    std::function<int()> m_openFile;
    int m_fd = -1;
    QByteArray m_buffer;
    int m_error = 0;
};

// Makes one attempt at a fresh temporary name and hands it to create, which
// returns 0 or errno; tries again while the name is taken.
template<typename Create>
std::optional<QByteArray> withFreshName(const QByteArray &name, int &error, Create &&create)
{
    for (int attempt = 0; attempt < nameAttempts; ++attempt) {
        QByteArray temporary = temporaryNameFor(name);
        error = create(temporary);
        if (error == 0)
            return temporary;
        if (error != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

struct AtomicFile::State
{
    QString path;
    Target target;
    FileDescriptor folder;
    FileDescriptor file;
    // Empty while the temporary file has no name.
    QByteArray temporaryName;
    std::unique_ptr<FileSink> sink;
    bool committed = false;

    [[noreturn]] void failWrite(int error) const { fail(ErrorKind::FileWriteFailed, path, systemReason(error)); }
    int createNamed();
    int linkUnnamed(const QByteArray &name) const;
    void replaceTarget();
};

// A temporary file with a name of its own, for file systems without unnamed
// ones: the fd, or minus errno.
int AtomicFile::State::createNamed()
{
    int error = 0;
    const std::optional<QByteArray> created = withFreshName(target.name, error, [this](const QByteArray &temporary) {
        file.reset(
            ::openat(folder.get(), temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
        return file.valid() ? 0 : errno;
    });
    if (!created)
        return -error;
    temporaryName = *created;
    return file.get();
}

// Gives the unnamed temporary file a name in the folder: 0 or errno.
int AtomicFile::State::linkUnnamed(const QByteArray &name) const
{
    if (::linkat(file.get(), "", folder.get(), name.constData(), AT_EMPTY_PATH) == 0)
        return 0;
    if (errno != ENOENT && errno != EPERM)
        return errno;
    // Without the capability for AT_EMPTY_PATH, through the process's own
    // view of its open files.
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(file.get());
    return ::linkat(AT_FDCWD, self.constData(), folder.get(), name.constData(), AT_SYMLINK_FOLLOW) == 0 ? 0 : errno;
}

void AtomicFile::State::replaceTarget()
{
    const QByteArray &name = target.name;
    struct stat existing = {};
    const bool exists = ::fstatat(folder.get(), name.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        fail(ErrorKind::FileRefused, path, QStringLiteral("it has become %1").arg(kindOf(existing.st_mode)));
    if (exists) {
        const QByteArray existingPath = target.folder + '/' + name;
        if (const int error = keepMetadata(existingPath, existing, file.get()))
            failWrite(error);
    }

    if (temporaryName.isEmpty()) {
        // A new name takes the file at once; an existing one is replaced
        // through a short-lived name, since a link cannot replace a file.
        if (!exists) {
            const int error = linkUnnamed(name);
            if (error == 0)
                return;
            if (error != EEXIST)
                failWrite(error);
        }
        int error = 0;
        const std::optional<QByteArray> linked
            = withFreshName(name, error, [this](const QByteArray &temporary) { return linkUnnamed(temporary); });
        if (!linked)
            failWrite(error);
        temporaryName = *linked;
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
    const Target &target = d->target;

    d->folder.reset(::open(target.folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!d->folder.valid())
        d->failWrite(errno);
    // As for any other way of writing to it: an existing file must be writable.
    if (target.exists && ::faccessat(d->folder.get(), target.name.constData(), W_OK, AT_EACCESS) != 0)
        d->failWrite(errno);

    d->file.reset(::openat(d->folder.get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (d->file.valid()) {
        d->sink = std::make_unique<FileSink>([fd = d->file.get()] { return fd; });
        return;
    }
    const int error = errno;
    // File systems without unnamed files (NFS, FUSE, old kernels). A named
    // file is made only when writing begins, so that a run killed while it
    // works leaves nothing behind; whether the folder takes one is asked now.
    if (error != EOPNOTSUPP && error != EISDIR && error != EINVAL && error != ENOENT)
        d->failWrite(error);
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
    if (!d->sink->drain())
        d->failWrite(d->sink->failure());
    if (!written)
        fail(ErrorKind::FileWriteFailed, d->path, QStringLiteral("the file would not be whole"));
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

QByteArray temporaryNameFor(QByteArrayView name)
{
    constexpr qsizetype kept = 32;
    qsizetype cut = std::min(name.size(), kept);
    // Back to the start of a character, so that a UTF-8 name stays UTF-8.
    while (cut > 0 && cut < name.size() && (static_cast<unsigned char>(name[cut]) & 0xC0U) == 0x80U)
        --cut;
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray temporary = name.first(cut).toByteArray() + '.';
    for (int i = 0; i < 6; ++i)
        temporary += letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)];
    return temporary;
}

} // namespace volvenda
