#include "start_command.h"

#include "drawing/drawing_surface.h"
#include "runtime/numbers.h"
#include "runtime/random_generator.h"

#include <optional>

namespace volvenda {

namespace {

constexpr float ColourScale = 255.0F;
constexpr int CurvePenWidth = 2;

} // namespace

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

COLORREF pickRunColour(TraceState &state, RandomGenerator &random)
{
    // The order of the draws decides which goes to which component. Red and
    // blue are kept as unrounded single-precision products; green is rounded
    // at once.
    state.Red = random.next() * ColourScale;
    state.Green = roundToInt16(random.next() * ColourScale);
    state.Blue = random.next() * ColourScale;
    return composeColor(roundToInt16(state.Red), state.Green, roundToInt16(state.Blue));
}

TracePlan readStartCommand(TraceState &state, const FieldTexts &fields, RandomGenerator &random)
{
    const COLORREF colour = pickRunColour(state, random);
    const Radii radii {
        readLeadingNumber(fields.R11),
        readLeadingNumber(fields.R22),
        readLeadingNumber(fields.R33),
    };
    return TracePlan {radii, colour, TraceEnd, false};
}

void drawStartCommand(TraceState &state, const TracePlan &plan, DrawingSurface &surface)
{
    surface.PenWidth(CurvePenWidth);
    traceCurve(state, plan, surface);
}

void runStartCommand(TraceState &state, const FieldTexts &fields, RandomGenerator &random, DrawingSurface &surface)
{
    drawStartCommand(state, readStartCommand(state, fields, random), surface);
}

} // namespace volvenda
