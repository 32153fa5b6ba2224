#pragma once

#include "animation.h"
#include "picture.h"

#include <QRect>

#include <optional>

namespace volvenda {

// What a picture will take, found by tracing it on surfaces that draw
// nothing, before it is drawn.

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

// What the picture's animation frames (request.frames) take at scale K: the device
// pixels of their rectangles together (each frame's the part of the view
// that its steps change, the first frame's the whole view), and the most
// colours the curves draw in one frame. Traces the curve without drawing;
// throws RuntimeError as drawing would.
struct FramesCost
{
    double pixels = 0.0;
    std::size_t mostColours = 0;
};
[[nodiscard]] FramesCost framesCost(const PictureRequest &request, int scale);

} // namespace volvenda
