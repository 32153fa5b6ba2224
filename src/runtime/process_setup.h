#pragma once

namespace volvenda {

// What the whole process shares, set where each program starts, before any
// work and before any thread:
// - a write past the file-size limit (ulimit -f) fails as a full disk does,
//   with "File too large", instead of the signal ending the program and its
//   picture with it;
// - every thread allocates from the one memory arena: a thread of its own
//   (the paint engine's helpers) would get an arena holding 64 MB of address
//   space, which the room kept for the helpers beside a picture does not count.
void prepareProcess();

} // namespace volvenda
