#pragma once

#include <QImage>
#include <QSize>

#include <cstddef>
#include <optional>

namespace volvenda {

// Memory for a picture, taken so that drawing on it cannot hang.
//
// Qt's paint engine splits a large fill or conversion across the helper
// threads of a thread pool and waits for the parts. A helper that cannot
// start, for want of address space for its stack, leaves that wait
// unanswered for ever: the pool counts the thread as busy and never runs its
// part. Which pool that is, and when its threads start and end, differs from
// one Qt version to the next (the global pool in 6.4, one of QtGui's own from
// 6.6, each starting threads as fills need them and ending them when idle);
// what every version needs is room for at most one stack per processor. So
// the picture is only taken while that room is held back beside it: when
// both do not fit, the picture is refused, and when they do, the room is
// given back for the helpers that drawing on it may start.

// The address space held back for the paint engine's helper threads: a
// thread's default stack and guard for each processor, and a margin for what
// drawing allocates before they start.
[[nodiscard]] std::size_t paintHelperHeadroom();

// The address space that a limit (ulimit -v) leaves beside what the program
// has mapped already; nothing when there is no limit.
[[nodiscard]] std::optional<std::size_t> addressSpaceLeft();

// An image of the size and format, not yet filled: a null image when it and
// the headroom do not both fit. A large one has memory of its own whose
// pages the kernel provides at once rather than a fault at a time while the
// image is first filled, which would cost as much as the fill.
[[nodiscard]] QImage allocatePicture(QSize size, QImage::Format format);

} // namespace volvenda
