#include "start_command.h"

#include "runtime/drawing_surface.h"
#include "runtime/numbers.h"
#include "runtime/random_generator.h"

#include <optional>

namespace volvenda {

namespace {

constexpr float ColourScale = 255.0F;
constexpr int CurvePenWidth = 2;

} // namespace

void traceCurve(WindowState &state, const Radii &radii, COLORREF colour, double end, DrawingSurface &surface)
{
    std::optional<CurvePoint> previous;
    // T is a double stepped by the single-precision Dt; 0.25 is exact in both,
    // so the steps are 0, 0.25, ..., 201.0: 805 of them.
    for (state.T = 0.0; state.T <= end; state.T += state.Dt) {
        const CurvePoint point = curvePoint(radii, state.T);
        if (previous) {
            // From the new point back to the previous one.
            surface.DrawLine(toSingle(point.X + state.X0), toSingle(point.Y + state.Y0),
                toSingle(previous->X + state.X0), toSingle(previous->Y + state.Y0), colour);
        }
        surface.Present();
        previous = point;
    }
}

void runStartCommand(WindowState &state, const FieldTexts &fields, RandomGenerator &random, DrawingSurface &surface)
{
    // The order of the draws decides which goes to which component. Red and
    // blue are kept as unrounded single-precision products; green is rounded
    // at once.
    state.Red = random.next() * ColourScale;
    state.Green = roundToInt16(random.next() * ColourScale);
    state.Blue = random.next() * ColourScale;

    const Radii radii {
        readLeadingNumber(fields.R11),
        readLeadingNumber(fields.R22),
        readLeadingNumber(fields.R33),
    };
    surface.PenWidth(CurvePenWidth);

    const COLORREF colour = composeColor(roundToInt16(state.Red), state.Green, roundToInt16(state.Blue));
    traceCurve(state, radii, colour, TraceEnd, surface);
}

} // namespace volvenda
