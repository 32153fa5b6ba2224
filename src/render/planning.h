#pragma once

#include "command_line.h"
#include "limits.h"
#include "picture.h"

#include "runtime/color.h"

#include <QString>

#include <optional>
#include <vector>

namespace volvenda {

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
