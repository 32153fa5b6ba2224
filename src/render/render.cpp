#include "render.h"

#include "runtime/drawing_surface.h"
#include "runtime/numbers.h"

#include <cmath>

namespace volvenda {

void drawPicture(const PictureRequest &request, DrawingSurface &surface)
{
    if (request.reference) {
        surface.PenWidth(1);
        surface.DrawCircle(CentreX, CentreY, narrowToSingle(std::fabs(request.plan.radii.R1)), ReferenceGray);
    }
    surface.PenWidth(2);
    WindowState state;
    traceCurve(state, request.plan, surface);
}

} // namespace volvenda
