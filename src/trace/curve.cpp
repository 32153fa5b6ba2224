#include "curve.h"

#include "runtime/arithmetic.h"

#include <cmath>

namespace volvenda {

CurvePoint curvePoint(const Radii &radii, double T)
{
    const auto [R1, R2, R3] = radii;
    // The order of operations is part of the result: multiply before dividing
    // in A, add and divide before multiplying in B. Rearranged, the floors
    // below land on other pixels for some radii.
    const double A = divide(T * R2, R1);
    const double B = divide(R1 + R2, R1) * T;
    return CurvePoint {
        floorToWhole((R1 + R2) * std::cos(A) - R3 * std::cos(B)),
        floorToWhole((R1 + R2) * std::sin(A) - R3 * std::sin(B)),
    };
}

} // namespace volvenda
