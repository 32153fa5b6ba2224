#pragma once

#include "runtime/color.h"
#include "trace/curve.h"
#include "trace/start_command.h"

namespace volvenda {

class DrawingSurface;

// A picture as the window would show it after start-up with R1 in its first
// field and one press of Start.
struct PictureRequest
{
    TracePlan plan;
    bool reference = true;
};

// The reference circle of radius |R1| (as Clear draws it), then the curve
// with the pen at width 2. Throws RuntimeError as the Start command does.
void drawPicture(const PictureRequest &request, DrawingSurface &surface);

} // namespace volvenda
