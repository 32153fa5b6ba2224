#pragma once

#include <QStringView>

namespace volvenda {

// The number at the start of the text, as the Start command reads its fields:
// leading blanks skipped, then an optional sign, digits, an optional fraction
// after a period (whatever the locale) and an optional exponent. Whatever
// follows is ignored; text without a leading number reads as 0. A number beyond
// the range of double reads as +/-infinity. Never throws.
[[nodiscard]] double readLeadingNumber(QStringView text) noexcept;

} // namespace volvenda
