#pragma once

namespace volvenda {

// What the whole process shares, set where each program starts, before any
// work: a write past the file-size limit (ulimit -f) fails as a full disk
// does, with "File too large", instead of the signal ending the program and
// its picture with it.
void prepareProcess();

} // namespace volvenda
