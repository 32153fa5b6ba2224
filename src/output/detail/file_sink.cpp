#include "file_sink.h"

#include <cerrno>
#include <utility>

#include <unistd.h>

namespace volvenda {

namespace {

constexpr qsizetype BufferSize = 1 << 16;

// Writes all of data to fd, across short writes and interruptions.
SystemResult<void> writeAll(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return lastSystemError();
        }
        data += written;
        size -= written;
    }
    return {};
}

} // namespace

FileSink::FileSink(std::function<SystemResult<int>()> openFile)
    : m_openFile(std::move(openFile))
{
    m_buffer.reserve(BufferSize);
    QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

SystemResult<void> FileSink::drain()
{
    if (m_written && m_fd < 0) {
        SystemResult<int> opened = m_openFile();
        if (opened)
            m_fd = opened.value();
        else
            m_written = SystemError {opened.error()};
    }
    if (m_written && !m_buffer.isEmpty())
        m_written = writeAll(m_fd, m_buffer.constData(), m_buffer.size());
    m_buffer.clear();
    return m_written;
}

qint64 FileSink::writeData(const char *data, qint64 size)
{
    if (!m_written)
        return -1;
    // Whatever does not fit goes out now, and a large piece straight after it.
    if ((m_buffer.size() + size > BufferSize || size >= BufferSize) && !drain())
        return -1;
    if (size >= BufferSize) {
        m_written = writeAll(m_fd, data, size);
        return m_written ? size : -1;
    }
    m_buffer.append(data, size);
    return size;
}

} // namespace volvenda
