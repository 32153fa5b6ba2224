#pragma once

namespace volvenda {

// The three numbers of a curve: the fixed circle's radius R1, the rolling
// circle's radius R2 and the pen's distance R3 from the rolling circle's centre.
struct Radii
{
    double R1 = 0.0;
    double R2 = 0.0;
    double R3 = 0.0;
};

// A point of the curve relative to its centre, in whole pixels (y downwards).
struct CurvePoint
{
    double X = 0.0;
    double Y = 0.0;

    friend bool operator==(const CurvePoint &, const CurvePoint &) = default;
};

// The point of the epitrochoid at parameter T, floored to whole pixels.
// Throws RuntimeError (DivisionByZero) when R1 is zero. Coordinates may come
// out infinite or not-a-number for absurd radii; whoever narrows them to
// single precision reports that.
[[nodiscard]] CurvePoint curvePoint(const Radii &radii, double T);

} // namespace volvenda
