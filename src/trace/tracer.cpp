#include "tracer.h"

#include "drawing/drawing_surface.h"
#include "runtime/arithmetic.h"

#include <optional>

namespace volvenda {

void traceCurve(TraceState &state, const TracePlan &plan, DrawingSurface &surface)
{
    const auto drawSegment = [&](const CurvePoint &to, const CurvePoint &from) {
        surface.DrawLine(toSingle(to.X + state.X0), toSingle(to.Y + state.Y0), toSingle(from.X + state.X0),
            toSingle(from.Y + state.Y0), plan.colour);
    };

    std::optional<CurvePoint> first;
    std::optional<CurvePoint> previous;
    // T is a double stepped by the single-precision Dt; 0.25 is exact in both,
    // so the steps are 0, 0.25, ..., 201.0: 805 of them up to TraceEnd.
    for (state.T = 0.0; state.T <= plan.end; state.T += state.Dt) {
        const CurvePoint point = curvePoint(plan.radii, state.T);
        // From the new point back to the previous one.
        if (previous)
            drawSegment(point, *previous);
        surface.Present();
        previous = point;
        if (!first)
            first = point;
    }
    if (plan.closeOnFirstPoint && first && previous) {
        drawSegment(*first, *previous);
        surface.Present();
    }
}

} // namespace volvenda
