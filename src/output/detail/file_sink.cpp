#include "file_sink.h"

#include <cerrno>
#include <utility>

#include <unistd.h>

namespace volvenda {

namespace {

constexpr qsizetype bufferSize = 1 << 16;

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

} // namespace

FileSink::FileSink(std::function<int()> openFile)
    : m_openFile(std::move(openFile))
{
    m_buffer.reserve(bufferSize);
    QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

bool FileSink::drain()
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

qint64 FileSink::writeData(const char *data, qint64 size)
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

} // namespace volvenda
