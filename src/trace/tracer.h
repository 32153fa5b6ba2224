#pragma once

#include "canvas_geometry.h"
#include "curve.h"
#include "runtime/colour.h"

#include <cstdint>

namespace volvenda {

class DrawingSurface;

// The step of the curve parameter.
inline constexpr float ParameterStep = 0.25F;

// The last value the curve parameter may take. 64 x 3.14159, not 64 pi: the
// run stops at T = 201.0 and never reaches 201.0619...
inline constexpr double TraceEnd = 201.06176;

// What the tracer reads and writes: the centre and the step of the curve
// parameter, set before a run; the parameter itself, the loop counter of a
// run; and the last run colour, Red and Blue unrounded. The window keeps one
// for the whole program, the renderer one per picture.
struct TraceState
{
    std::int16_t X0 = CentreX;
    std::int16_t Y0 = CentreY;
    float Dt = ParameterStep;
    double T = 0.0;
    float Red = 0.0F;
    std::int16_t Green = 0;
    float Blue = 0.0F;
};

// What to trace: the curve of the radii, in one colour, with the parameter
// running from 0 while it is at most end.
struct TracePlan
{
    Radii radii;
    COLORREF colour = 0;
    double end = TraceEnd;
    // Adds a last segment back to the first point, for a curve that closes at end.
    bool closeOnFirstPoint = false;
};

// Draws one segment per step from the point at each T back to the point of
// the step before, presenting the surface after every step (the first one
// too). T runs from 0 in steps of state.Dt; the state's T is the loop
// counter. Throws RuntimeError: DivisionByZero when R1 is zero, Overflow when
// a coordinate is not finite or beyond single precision. What was drawn
// before the error stays drawn.
void traceCurve(TraceState &state, const TracePlan &plan, DrawingSurface &surface);

} // namespace volvenda
