#pragma once

#include "canvas_geometry.h"
#include "runtime/colour.h"
#include "tracer.h"

#include <QString>

namespace volvenda {

class DrawingSurface;
class RandomGenerator;

// The texts of the three fields, as the Start command reads them.
struct FieldTexts
{
    QString R11;
    QString R22;
    QString R33;
};

// Picks a run colour as the Start command does: red, green and blue drawn in
// that order from the generator, recorded in the state.
[[nodiscard]] COLORREF pickRunColour(TraceState &state, RandomGenerator &random);

// The Start command in two halves, so that the window can tell what a run
// draws before it draws it: the first picks the run colour and reads the
// three fields leniently (it never fails), the second widens the pen to 2
// and traces the curve up to TraceEnd.
[[nodiscard]] TracePlan readStartCommand(TraceState &state, const FieldTexts &fields, RandomGenerator &random);
void drawStartCommand(TraceState &state, const TracePlan &plan, DrawingSurface &surface);

// The whole Start command: both halves.
void runStartCommand(TraceState &state, const FieldTexts &fields, RandomGenerator &random, DrawingSurface &surface);

} // namespace volvenda
