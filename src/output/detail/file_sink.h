#pragma once

#include "runtime/system_result.h"

#include <QByteArray>
#include <QIODevice>

#include <functional>

namespace volvenda {

// A file as a device that only writes: buffered, and keeping the first
// failure with its errno so that a message can give the system's reason. The
// file is opened by the first write that reaches it: openFile gives its fd.
// The sink writes to the fd and leaves closing it to its owner.
class FileSink final : public QIODevice
{
public:
    explicit FileSink(std::function<SystemResult<int>()> openFile);

    [[nodiscard]] bool isSequential() const override { return true; }

    // Opens the file if no write did yet, and writes out what is buffered;
    // gives the first failure of any write so far.
    SystemResult<void> drain();

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override;

private:
    std::function<SystemResult<int>()> m_openFile;
    int m_fd = -1;
    QByteArray m_buffer;
    // The first failure; every write after it is refused.
    SystemResult<void> m_written;
};

} // namespace volvenda
