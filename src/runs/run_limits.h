#pragma once

#include <QtGlobal>

#include <cstddef>

namespace volvenda {

// A picture has at most this many runs: 1000 of the window's 804 steps each
// are still fewer steps than one curve traced until it closes may take.
inline constexpr std::size_t LargestRunCount = 1000;

inline constexpr qsizetype Megabyte = 1 << 20;
// A runs file holds at most this many bytes, 1 MB, ample for the largest
// number of runs with a comment on each: more is refused unread.
inline constexpr qsizetype LargestRunsFileSize = 1 * Megabyte;

} // namespace volvenda
