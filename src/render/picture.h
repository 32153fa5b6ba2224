#pragma once

#include "trace/canvas_geometry.h"
#include "trace/tracer.h"

#include <QRect>

#include <functional>

namespace volvenda {

class DrawingSurface;

// A picture as the window would show it after start-up with R1 in its first
// field and one press of Start.
struct PictureRequest
{
    TracePlan plan;
    bool reference = true;
    // Segments of the curve, the closing one included.
    double segments = 0.0;
    // The part of the canvas the picture shows, in logical pixels: the whole
    // canvas, or for --fit what is drawn on it and the margin round it.
    QRect view {QPoint(0, 0), CanvasSize};
};

// The reference circle of radius |R1| (as Clear draws it), then the curve
// with the pen at width 2. progress, when given, hears after each step how
// much of the curve is drawn, 0 to 1. Throws RuntimeError as the Start
// command does.
void drawPicture(
    const PictureRequest &request, DrawingSurface &surface, const std::function<void(double)> &progress = {});

} // namespace volvenda
