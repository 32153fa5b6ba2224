#pragma once

#include <QString>

namespace volvenda {

// A number as people read it in the program's words: the shortest digits
// that read back as the value, in the C locale's characters, written out
// from 0.0001 up to 10^15 (120, -45, 0.5, 600000) and with an exponent beyond
// (1e+39, 1e-05). A float is spelled as a float, so that 0.1F is "0.1".
[[nodiscard]] QString shortestSpelling(double value);
[[nodiscard]] QString shortestSpelling(float value);

} // namespace volvenda
