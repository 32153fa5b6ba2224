#pragma once

#include "curve.h"
#include "runtime/color.h"

#include <QSize>
#include <QString>

#include <cstdint>

namespace volvenda {

class DrawingSurface;
class RandomGenerator;

// The drawing surface in logical pixels: the window's client area, and the
// canvas of every rendered file.
inline constexpr QSize CanvasSize(400, 445);

// Where every drawing is centred, and the step of the curve parameter.
inline constexpr std::int16_t CentreX = 200;
inline constexpr std::int16_t CentreY = 250;
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

// The texts of the three fields, as the Start command reads them.
struct FieldTexts
{
    QString R11;
    QString R22;
    QString R33;
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
