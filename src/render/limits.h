#pragma once

#include "runs/run_limits.h"
#include "trace/canvas_geometry.h"

#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <limits>

namespace volvenda {

// The renderer's limits: what its options take, and the most work a picture
// may ask for, with the runs' own (runs/run_limits.h). Its --help and its
// messages state them from here.

// --scale: device pixels per logical pixel.
inline constexpr int LargestScale = 16;
// --fit: the margin round what is drawn, in logical pixels.
inline constexpr int LargestFitMargin = 1000;
// --animate: from a tenth of a second (quicker is a flash) to an hour.
inline constexpr double ShortestAnimation = 0.1;
inline constexpr double LongestAnimation = 3600.0;
// An animated PNG or GIF shows each frame for at least this many hundredths
// of a second: GIF counts in them, and browsers slow frames shorter than two.
inline constexpr int ShortestFrame = 2;
// --seed: any seed the colours' generator takes.
inline constexpr std::uint32_t LargestSeed = std::numeric_limits<std::uint32_t>::max();

// --page, --margin and --pen, in millimetres: a page from a label's to the
// length of a roll plotter's sheet; a pen from the finest line drawn to the
// broadest brush; and at least this much room for the picture each way,
// inside the margins and half a pen.
inline constexpr double SmallestPageSide = 10.0;
inline constexpr double LargestPageSide = 5000.0;
inline constexpr double LargestPageMargin = LargestPageSide / 2.0;
inline constexpr double DefaultPageMargin = 15.0;
inline constexpr double SmallestPen = 0.01;
inline constexpr double LargestPen = 10.0;
inline constexpr double DefaultPen = 0.3;
inline constexpr double SmallestPictureSide = 5.0;

// The curves of a picture are traced to at most this many segments together:
// working out the cost of drawing them takes one pass over them, and an SVG
// file holds each.
inline constexpr double LargestSegmentCount = 1'000'000;

// The most raster work a picture may take, in the units of rasterWork: about
// three seconds of drawing.
inline constexpr double RasterWorkBudget = 1e9;

// Writing a frame of an animated PNG or GIF costs about this many units of
// rasterWork a device pixel of its rectangle.
inline constexpr double FrameWorkPerPixel = 4.0;

// A GIF frame has a palette of 256 colours, one of them for the pixels it
// leaves as they were: at most this many drawn in one frame.
inline constexpr std::size_t MostGifFrameColours = 255;

// A PNG picture has at most as many device pixels as the whole canvas at the
// largest scale, so that a fitted picture with a wide margin takes no more
// memory, nor time to fill and write, than the largest picture without one.
inline constexpr double LargestPicturePixels
    = double(LargestScale) * CanvasSize.width() * double(LargestScale) * CanvasSize.height();

} // namespace volvenda
