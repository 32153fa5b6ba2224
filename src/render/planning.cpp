#include "planning.h"

#include "measuring.h"
#include "number_wording.h"

#include "runtime/runtime_error.h"
#include "trace/closure.h"

#include <cmath>

namespace volvenda {

namespace {

[[noreturn]] void refuseWork(const QString &why)
{
    throw RuntimeError(ErrorKind::WorkRefused, why);
}

} // namespace

PictureRequest planPicture(const RenderOptions &options, const std::vector<COLORREF> &colours, double rasterBudget)
{
    PictureRequest request;
    if (options.reference)
        request.circle = circleOf(options.circleGiven, options.circle, options.runs);
    const bool several = options.runs.size() > 1;
    for (std::size_t index = 0; index < options.runs.size(); ++index) {
        const Radii &radii = options.runs[index].radii;
        // With several runs, a refusal that is one run's names it.
        const auto ofTheRun
            = [&](const QString &why) { return several ? runInWords(index, radii) + QStringLiteral(": ") + why : why; };
        TracePlan plan {radii, colours.at(index), TraceEnd, false};
        // T = 0, 0.25, ..., 201.0: 805 points and 804 segments.
        double segments = std::floor(TraceEnd / ParameterStep);
        if (options.untilClosed) {
            // From the radii as drawn, so that the closing matches the picture.
            const std::optional<Closure> closure = closeCurve(radii.R1, radii.R2, ParameterStep);
            if (!closure)
                refuseWork(
                    ofTheRun(QStringLiteral("R1 and R2 have too many digits to work out where the curve closes")));
            if (closure->segments > LargestSegmentCount)
                refuseWork(ofTheRun(QStringLiteral("closing this curve needs %1 steps, more than the limit of %2")
                                        .arg(withThousands(closure->segments), withThousands(LargestSegmentCount))));
            plan.end = closure->end;
            plan.closeOnFirstPoint = true;
            segments = closure->segments;
        }
        request.runs.push_back(plan);
        request.segments += segments;
    }
    if (request.segments > LargestSegmentCount)
        refuseWork(QStringLiteral("the %1 runs take %2 steps together, more than the limit of %3")
                       .arg(QString::number(request.runs.size()), withThousands(request.segments),
                           withThousands(LargestSegmentCount)));

    if (options.fit) {
        const std::optional<QRect> drawn = drawnArea(request);
        if (!drawn)
            refuseWork(
                QStringLiteral("nothing of this picture lands on the canvas, so --fit has nothing to cut it to"));
        const int margin = *options.fit;
        request.view = drawn->adjusted(-margin, -margin, margin, margin);
    }

    if (options.format == PictureFormat::Png) {
        const QSizeF size = QSizeF(request.view.size()) * options.scale;
        if (size.width() * size.height() > LargestPicturePixels)
            refuseWork(
                QStringLiteral("the picture at scale %1 would be %2 x %3 pixels, more than the limit of %4 pixels; "
                               "a smaller --fit margin or a lower --scale takes less")
                    .arg(QString::number(options.scale), withThousands(size.width()), withThousands(size.height()),
                        roughly(LargestPicturePixels)));
        const double work = rasterWork(request, options.scale);
        if (work > rasterBudget) {
            QString remedy = QStringLiteral("fewer runs take less");
            if (options.scale > 1)
                remedy = QStringLiteral("a lower --scale takes less");
            else if (options.untilClosed)
                remedy = several ? QStringLiteral("without --until-closed the curves stop sooner")
                                 : QStringLiteral("without --until-closed the curve stops sooner");
            refuseWork(
                QStringLiteral("drawing %1 at scale %2 means sweeping about %3 pixels, more than the limit of %4; %5")
                    .arg(several ? QStringLiteral("these curves") : QStringLiteral("this curve"),
                        QString::number(options.scale), roughly(work), roughly(rasterBudget), remedy));
        }
    }
    return request;
}

} // namespace volvenda
