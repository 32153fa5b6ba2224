#include "standard_output.h"

#include <cerrno>
#include <cstdio>

namespace volvenda {

SystemResult<void> writeStandardOutput(QByteArrayView text)
{
    errno = 0;
    const std::size_t size = static_cast<std::size_t>(text.size());
    const bool written = std::fwrite(text.data(), 1, size, stdout) == size;
    if (written && std::fflush(stdout) == 0 && !std::ferror(stdout))
        return {};
    return SystemError {errno != 0 ? errno : EIO};
}

} // namespace volvenda
