#pragma once

#include <cstdio>
#include <cstdlib>

// Stops a fuzz run where a property breaks, naming the place for whoever
// reads the crash.
inline void check(bool condition, const char *file = __builtin_FILE(), int line = __builtin_LINE())
{
    if (!condition) {
        std::fprintf(stderr, "property broken at line %d of %s\n", line, file);
        std::abort();
    }
}
