#pragma once

#include <QString>

namespace volvenda {

// The system's reason for an errno value ("No space left on device"), as
// text that reads right in any locale: in the locale's language where its
// charset is UTF-8, in the C locale's English where it is another (KOI8-R,
// EUC-JP, ISO-8859-1), whose words no decoding would bring back.
[[nodiscard]] QString systemReason(int error);

} // namespace volvenda
