#pragma once

#include "animation.h"

#include "trace/canvas_geometry.h"
#include "trace/tracer.h"

#include <QColor>
#include <QRect>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace volvenda {

class DrawingSurface;

// A picture as the window would show it after start-up with the first run's
// R1 in its first field and a press of Start for each run, its radii in the
// fields.
struct PictureRequest
{
    // In the order they are drawn, each in its colour.
    std::vector<TracePlan> runs;
    // The grey circle's radius, drawn first; none for no circle.
    std::optional<float> circle;
    // Segments of all the curves, the closing ones included.
    double segments = 0.0;
    // The part of the canvas the picture shows, in logical pixels: the whole
    // canvas, or for --fit what is drawn on it and the margin round it.
    QRect view {QPoint(0, 0), CanvasSize};
    // For an animated PNG or GIF: when its frames are taken, how long each shows.
    std::vector<AnimationFrame> frames;
};

// Adds colour to colours as an image holds it, unless it is there already.
void addColour(std::vector<QRgb> &colours, COLORREF colour);

// Every colour the picture's pixels may have, each once: the background's,
// the grey circle's and the runs'.
[[nodiscard]] std::vector<QRgb> pictureColours(const PictureRequest &request, QColor background);

// How many times drawing the picture presents the surface: once more than
// each curve has segments.
[[nodiscard]] double presents(const PictureRequest &request);

// The reference circle (as Clear draws it), then each run's curve as the Start command draws it. progress, when given,
// hears after each step how much of the curves is drawn, 0 to 1. Throws
// RuntimeError as the Start command does; with several runs, its text names
// the run that failed.
void drawPicture(
    const PictureRequest &request, DrawingSurface &surface, const std::function<void(double)> &progress = {});

// The names of the layers the picture is drawn in on a plotter's page, one
// for each pen setting: the grey circle's, if any, then each run's.
[[nodiscard]] QStringList layerNames(const PictureRequest &request);

} // namespace volvenda
