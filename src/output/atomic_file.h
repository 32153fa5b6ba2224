#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <memory>

class QIODevice;

namespace volvenda {

// A file written whole or not at all. The contents go to a temporary file in
// the target's folder, which takes the target's place only once all of it is
// written and on disk. The temporary file has no name where the file system
// allows; elsewhere it is named after the target, cut short
// (temporaryNameFor, detail/temporary_name.h), and a run killed while writing may
// leave it behind.
// A replaced file keeps its permissions, access ACL and user.* extended
// attributes, and its owner and group where the writer may set them (see
// keepMetadata). It is a new file in the old one's place, so a hard link to
// the old one keeps the old contents. Through a symbolic link, the file it
// points to is replaced and the link stays.
class AtomicFile final
{
public:
    // Checks the target as checkFileTarget (file_target.h) does and creates
    // the unnamed temporary file (a named one is only made when writing
    // begins, after asking whether the folder takes one), so that a folder
    // that cannot be written to is found before any work. Throws
    // RuntimeError: FileRefused, or FileWriteFailed with the system's reason
    // ("Permission denied", "Read-only file system").
    explicit AtomicFile(const QString &path);
    // Without a commit the temporary file goes and the target stays as it was.
    ~AtomicFile();
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;
    AtomicFile(AtomicFile &&) = delete;
    AtomicFile &operator=(AtomicFile &&) = delete;

    // Where the contents go, buffered. After a failure it takes nothing more
    // (write returns -1); commit reports the failure.
    [[nodiscard]] QIODevice &device();

    // Writes out the buffer, flushes the file to disk and puts it in place.
    // Throws RuntimeError FileWriteFailed naming the file with the system's
    // reason ("No space left on device"), or FileRefused when the target has
    // meanwhile become something that must not be replaced. written says
    // whether the writer put out all it meant to: if not, nothing is put in
    // place, and the error gives the device's reason, or says that the file would
    // not be whole when the device knows none.
    void commit(bool written = true);

private:
    struct State;
    std::unique_ptr<State> d;
};

// The whole file from bytes, or a RuntimeError as AtomicFile gives.
void writeFileAtomically(const QString &path, QByteArrayView contents);
// The whole file from what write puts on the device, or a RuntimeError;
// write returns whether it put out all it meant to (see commit).
void writeFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &write);

} // namespace volvenda
