#pragma once

#include <QByteArray>
#include <QIODevice>

#include <functional>

namespace volvenda {

// A file as a device that only writes: buffered, and keeping the first
// failure with its errno so that a message can give the system's reason. The
// file is opened by the first write that reaches it: openFile gives an fd, or
// minus errno. The sink writes to the fd and leaves closing it to its owner.
class FileSink final : public QIODevice
{
public:
    explicit FileSink(std::function<int()> openFile);

    [[nodiscard]] bool isSequential() const override { return true; }
    // The errno of the first failure, or 0.
    [[nodiscard]] int failure() const { return m_error; }

    // Opens the file if no write did yet, and writes out what is buffered;
    // false after any failure.
    bool drain();

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override;

private:
    std::function<int()> m_openFile;
    int m_fd = -1;
    QByteArray m_buffer;
    int m_error = 0;
};

} // namespace volvenda
