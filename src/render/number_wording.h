#pragma once

#include <QString>

namespace volvenda {

// Numbers as the renderer's messages give them.

// Whole, with a comma between thousands: "25,132,817".
[[nodiscard]] QString withThousands(double value);

// 3 significant digits and a word: "27.6 billion".
[[nodiscard]] QString roughly(double value);

} // namespace volvenda
