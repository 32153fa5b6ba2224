#include "standard_output.h"

#include "runtime/system_reason.h"

#include <cerrno>
#include <cstdio>

namespace volvenda {

QString writeStandardOutput(QByteArrayView text)
{
    errno = 0;
    const std::size_t size = static_cast<std::size_t>(text.size());
    const bool written = std::fwrite(text.data(), 1, size, stdout) == size;
    if (written && std::fflush(stdout) == 0 && !std::ferror(stdout))
        return {};
    const int error = errno;
    return systemReason(error != 0 ? error : EIO);
}

} // namespace volvenda
