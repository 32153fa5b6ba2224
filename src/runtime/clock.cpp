#include "clock.h"

#include <QTime>

namespace volvenda {

float secondsSinceMidnight()
{
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0F;
}

} // namespace volvenda
