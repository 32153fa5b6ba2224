#pragma once

namespace volvenda {

// Seconds since local midnight, in single precision (the random generator's seed).
[[nodiscard]] float secondsSinceMidnight();

} // namespace volvenda
