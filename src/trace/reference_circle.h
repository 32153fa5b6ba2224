#pragma once

namespace volvenda {

class DrawingSurface;

inline constexpr int ReferencePenWidth = 1;

// The thin grey circle under the curves, which marks the fixed circle: drawn
// with a pen of ReferencePenWidth round the canvas's centre. The radius is as the
// caller read it; the surface makes it non-negative, and draws nothing for
// one that is not finite.
void drawReferenceCircle(DrawingSurface &surface, float radius);

} // namespace volvenda
