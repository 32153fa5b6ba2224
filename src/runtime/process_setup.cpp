#include "process_setup.h"

#include <csignal>

#include <malloc.h>

namespace volvenda {

void prepareProcess()
{
    std::signal(SIGXFSZ, SIG_IGN);
    ::mallopt(M_ARENA_MAX, 1);
}

} // namespace volvenda
