#pragma once

#include "runtime/colour.h"

#include <algorithm>

namespace volvenda {

// The width a pen asked for width draws with: no line is thinner than a
// pixel, so 0 and below draw one pixel wide.
[[nodiscard]] constexpr int drawnPenWidth(int width)
{
    return std::max(width, 1);
}

// Where the commands draw: logical pixels with the origin at the top-left
// corner, x to the right and y downwards, coordinates in single precision.
class DrawingSurface
{
public:
    DrawingSurface() = default;
    virtual ~DrawingSurface() = default;
    DrawingSurface(const DrawingSurface &) = delete;
    DrawingSurface &operator=(const DrawingSurface &) = delete;
    DrawingSurface(DrawingSurface &&) = delete;
    DrawingSurface &operator=(DrawingSurface &&) = delete;

    // The whole surface becomes the background colour.
    virtual void ClearSurface() = 0;
    // Later circles and lines are this many pixels wide, at least one.
    virtual void PenWidth(int width) = 0;
    // The outline of a full circle, unfilled.
    virtual void DrawCircle(float x, float y, float radius, COLORREF colour) = 0;
    // A solid straight segment between two points.
    virtual void DrawLine(float x1, float y1, float x2, float y2, COLORREF colour) = 0;
    // Shows what was drawn so far, even in the middle of a command.
    virtual void Present() = 0;
};

} // namespace volvenda
