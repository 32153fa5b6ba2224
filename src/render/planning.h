#pragma once

#include "command_line.h"
#include "limits.h"
#include "picture.h"

#include "runtime/colour.h"

#include <vector>

namespace volvenda {

// What the options ask to draw (each run in its colour). Throws
// RuntimeError(ErrorKind::WorkRefused) saying why it is not drawn: a closing
// too far off, too many segments in all, too much work or too many pixels at
// the scale, radii whose closing cannot be worked out, or nothing on the
// canvas to fit the picture to; with several runs, a refusal that is one
// run's names it. Throws the RuntimeError that drawing would, too.
[[nodiscard]] PictureRequest planPicture(
    const RenderOptions &options, const std::vector<COLORREF> &colours, double rasterBudget = RasterWorkBudget);

} // namespace volvenda
