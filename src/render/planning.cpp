#include "planning.h"

#include "measuring.h"
#include "number_wording.h"

#include "trace/closure.h"

#include <cmath>

namespace volvenda {

PicturePlan planPicture(const RenderOptions &options, COLORREF colour, double rasterBudget)
{
    PictureRequest request;
    request.reference = options.reference;
    request.plan.radii = Radii {options.R1, options.R2, options.R3};
    request.plan.colour = colour;
    // T = 0, 0.25, ..., 201.0: 805 points and 804 segments.
    request.segments = std::floor(TraceEnd / ParameterStep);

    if (options.untilClosed) {
        // From the radii as drawn, so that the closing matches the picture.
        const std::optional<Closure> closure = closeCurve(options.R1, options.R2, ParameterStep);
        if (!closure)
            return {std::nullopt, QStringLiteral("R1 and R2 have too many digits to work out where the curve closes")};
        if (closure->segments > LargestSegmentCount)
            return {std::nullopt,
                QStringLiteral("closing this curve needs %1 steps, more than the limit of %2")
                    .arg(withThousands(closure->segments), withThousands(LargestSegmentCount))};
        request.plan.end = closure->end;
        request.plan.closeOnFirstPoint = true;
        request.segments = closure->segments;
    }

    if (options.fit) {
        const std::optional<QRect> drawn = drawnArea(request);
        if (!drawn)
            return {std::nullopt,
                QStringLiteral("nothing of this picture lands on the canvas, so --fit has nothing to cut it to")};
        const int margin = *options.fit;
        request.view = drawn->adjusted(-margin, -margin, margin, margin);
    }

    if (options.format == PictureFormat::Png) {
        const QSizeF size = QSizeF(request.view.size()) * options.scale;
        if (size.width() * size.height() > LargestPicturePixels)
            return {std::nullopt,
                QStringLiteral("the picture at scale %1 would be %2 x %3 pixels, more than the limit of %4 pixels; "
                               "a smaller --fit margin or a lower --scale takes less")
                    .arg(QString::number(options.scale), withThousands(size.width()), withThousands(size.height()),
                        roughly(LargestPicturePixels))};
        const double work = rasterWork(request, options.scale);
        if (work > rasterBudget) {
            const QString remedy = options.scale > 1 ? QStringLiteral("a lower --scale takes less")
                                                     : QStringLiteral("without --until-closed the curve stops sooner");
            return {std::nullopt,
                QStringLiteral("drawing this curve at scale %1 means sweeping about %2 pixels, more than the limit "
                               "of %3; %4")
                    .arg(QString::number(options.scale), roughly(work), roughly(rasterBudget), remedy)};
        }
    }
    return {request, QString()};
}

} // namespace volvenda
