#pragma once

#include "command_line.h"

#include "runtime/color.h"
#include "trace/curve.h"
#include "trace/start_command.h"

#include <QRect>
#include <QString>

#include <functional>
#include <optional>

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

// A curve is traced to at most this many segments: working out the cost of
// drawing it takes one pass over them, and an SVG file holds each.
inline constexpr double LargestSegmentCount = 1'000'000;

// The most raster work a picture may take, in the units of rasterWork: about
// three seconds of drawing.
inline constexpr double RasterWorkBudget = 1e9;

// A PNG picture has at most as many device pixels as the whole canvas at the
// largest scale, so that a fitted picture with a wide margin takes no more
// memory, nor time to fill and write, than the largest picture without one.
inline constexpr double LargestPicturePixels = 16.0 * CanvasSize.width() * 16.0 * CanvasSize.height();

// The smallest rectangle of whole logical pixels that holds all that the
// picture puts on the canvas: each stroke with its width and round caps, cut
// at the canvas's edges. nullopt when nothing lands on the canvas. Traces the
// curve without drawing; throws RuntimeError as drawing would.
[[nodiscard]] std::optional<QRect> drawnArea(const PictureRequest &request);

// What drawing the picture on the raster surface at K device pixels per
// logical pixel costs: the device pixels its strokes sweep, after clipping,
// where a stroke counts as at least 16 device pixels wide, since each row it
// crosses costs the paint engine about as much as 16 pixels. Only the
// strokes within the picture's view count. Traces the
// curve without drawing; throws RuntimeError as drawing would.
[[nodiscard]] double rasterWork(const PictureRequest &request, int scale);

// What the options ask to draw (in the given colour), or why it is not
// drawn: a closing too far off, too much work or too many pixels at the
// scale, radii whose closing cannot be worked out, or nothing on the canvas
// to fit the picture to. Throws RuntimeError as drawing would.
struct PicturePlan
{
    std::optional<PictureRequest> request;
    QString refusal;
};
[[nodiscard]] PicturePlan planPicture(
    const RenderOptions &options, COLORREF colour, double rasterBudget = RasterWorkBudget);

// The reference circle of radius |R1| (as Clear draws it), then the curve
// with the pen at width 2. progress, when given, hears after each step how
// much of the curve is drawn, 0 to 1. Throws RuntimeError as the Start
// command does.
void drawPicture(
    const PictureRequest &request, DrawingSurface &surface, const std::function<void(double)> &progress = {});

} // namespace volvenda
