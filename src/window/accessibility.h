#pragma once

namespace volvenda {

// Gives assistive technology what the toolkit cannot guess: the window is a
// frame, and the picture an image whose menu an action opens. Once per program.
void installAccessibleRoles();

} // namespace volvenda
