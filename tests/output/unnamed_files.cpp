// The C library's openat, replaced in this test program by one that can
// refuse unnamed files. Not fortified, so that its declaration is a plain one.
#undef _FORTIFY_SOURCE

#include "unnamed_files.h"

#include <cerrno>
#include <cstdarg>

#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

int unnamedFilesRefusedWith = 0;

extern "C" int openat(int folder, const char *path, int flags, ...)
{
    mode_t mode = 0;
    if ((flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE) {
        va_list rest;
        va_start(rest, flags);
        mode = va_arg(rest, mode_t);
        va_end(rest);
    }
    if (unnamedFilesRefusedWith != 0 && (flags & O_TMPFILE) == O_TMPFILE) {
        errno = unnamedFilesRefusedWith;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_openat, folder, path, flags, mode));
}
