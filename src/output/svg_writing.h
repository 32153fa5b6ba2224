#pragma once

#include "drawing/vector_surface.h"

#include <QRect>

#include <optional>

class QIODevice;

namespace volvenda {

// How writeSvg writes the picture; by default the whole canvas, still.
struct SvgOptions
{
    // The part of the canvas to show, in its logical pixels; it may reach
    // beyond the canvas, where the background shows.
    std::optional<QRect> view;
    // Over this many seconds, what was drawn after the surface was first
    // presented draws itself along its length in the order it was drawn, at an
    // even pace, while what came before is there from the start. It needs no
    // script, and a viewer that does not animate shows the finished picture.
    std::optional<double> drawingSeconds;
    // The drawing starts again after a pause of a second, for ever.
    bool loop = false;
};

// Writes what the vector surface keeps as an SVG document: the background,
// then each shape with its stroke, whole coordinates at pixel centres as on
// the raster surface. Returns false when the device refused a write.
bool writeSvg(const VectorSurface &drawing, QIODevice &device, const SvgOptions &options = {});

} // namespace volvenda
