#pragma once

#include "limits.h"

#include <functional>
#include <vector>

namespace volvenda {

class AnimationWriter;
class RasterSurface;
struct PictureRequest;

// A frame of an animation: the picture as it is once the surface has been
// presented this many times (the curves present it once a step), shown for
// so many hundredths of a second, GIF's unit of time.
struct AnimationFrame
{
    double presents = 0.0;
    int centiseconds = 0;
};

// The pause on the finished picture before a looping animation starts again.
inline constexpr int LoopPause = 100;

// The frames of an animation of curves that present the surface this many
// times, growing over seconds as the window shows them, step by step at an
// even pace. The first frame is taken at the first present, before any curve
// is drawn; the last when all are, and it stays (with loop, for LoopPause
// more). No frame is shorter than ShortestFrame: where there are more steps
// than frames, a frame holds several. The frames' times add up to seconds,
// rounded to hundredths, and LoopPause with loop.
[[nodiscard]] std::vector<AnimationFrame> scheduleFrames(double presents, double seconds, bool loop);

// Draws the picture onto surface as drawPicture does, and hands the writer
// each of request.frames as it is reached: the whole picture first, then the
// part that changed since the frame before, with the colours drawn since. progress
// hears how much is drawn, 0 to 1. Returns false when the writer could not
// write a frame.
bool drawAnimation(const PictureRequest &request, RasterSurface &surface, AnimationWriter &writer,
    const std::function<void(double)> &progress = {});

} // namespace volvenda
