#pragma once

namespace volvenda {

// Gives assistive technology what the toolkit cannot guess or gets wrong: the
// window is a frame, the picture an image whose menu an action opens, and a
// field reads whole. Once per program.
void installAccessibleRoles();

} // namespace volvenda
