#include "start_command.h"

#include "drawing/drawing_surface.h"
#include "runtime/arithmetic.h"
#include "runtime/leading_number.h"
#include "runtime/random_generator.h"

#include <optional>

namespace volvenda {

namespace {

constexpr float ColourScale = 255.0F;
constexpr int CurvePenWidth = 2;

} // namespace

COLORREF pickRunColour(TraceState &state, RandomGenerator &random)
{
    // The order of the draws decides which goes to which component. Red and
    // blue are kept as unrounded single-precision products; green is rounded
    // at once.
    state.Red = random.next() * ColourScale;
    state.Green = roundToInt16(random.next() * ColourScale);
    state.Blue = random.next() * ColourScale;
    return composeColour(roundToInt16(state.Red), state.Green, roundToInt16(state.Blue));
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
