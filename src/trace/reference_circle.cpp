#include "reference_circle.h"

#include "canvas_geometry.h"

#include "drawing/drawing_surface.h"
#include "runtime/colour.h"

namespace volvenda {

void drawReferenceCircle(DrawingSurface &surface, float radius)
{
    surface.PenWidth(ReferencePenWidth);
    surface.DrawCircle(CentreX, CentreY, radius, ReferenceGray);
}

} // namespace volvenda
