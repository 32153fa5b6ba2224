#pragma once

#include "command_line.h"
#include "picture.h"

#include "runtime/colour.h"

#include <QString>

#include <optional>
#include <vector>

namespace volvenda {

// The curves of a picture are traced to at most this many segments together:
// working out the cost of drawing them takes one pass over them, and an SVG
// file holds each.
inline constexpr double LargestSegmentCount = 1'000'000;

// The most raster work a picture may take, in the units of rasterWork: about
// three seconds of drawing.
inline constexpr double RasterWorkBudget = 1e9;

// A PNG picture has at most as many device pixels as the whole canvas at the
// largest scale, so that a fitted picture with a wide margin takes no more
// memory, nor time to fill and write, than the largest picture without one.
inline constexpr double LargestPicturePixels = 16.0 * CanvasSize.width() * 16.0 * CanvasSize.height();

// What the options ask to draw (each run in its colour), or why it is not
// drawn: a closing too far off, too many segments in all, too much work or
// too many pixels at the scale, radii whose closing cannot be worked out, or
// nothing on the canvas to fit the picture to. With several runs, a refusal
// that is one run's names it. Throws RuntimeError as drawing would.
struct PicturePlan
{
    std::optional<PictureRequest> request;
    QString refusal;
};
[[nodiscard]] PicturePlan planPicture(
    const RenderOptions &options, const std::vector<COLORREF> &colours, double rasterBudget = RasterWorkBudget);

} // namespace volvenda
