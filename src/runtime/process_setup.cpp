#include "process_setup.h"

#include <csignal>

namespace volvenda {

void prepareProcess()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace volvenda
