#include "planning.h"

#include "measuring.h"
#include "number_wording.h"

#include "runtime/catalogue.h"
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
        const auto ofTheRun = [&](const QString &why) {
            //: %1 names a run, %2 why it is refused.
            return several ? translate("Renderer", "%1: %2").arg(runInWords(index, radii), why) : why;
        };
        TracePlan plan {radii, colours.at(index), TraceEnd, false};
        // T = 0, 0.25, ..., 201.0: 805 points and 804 segments.
        double segments = std::floor(TraceEnd / ParameterStep);
        if (options.untilClosed) {
            // From the radii as drawn, so that the closing matches the picture.
            const std::optional<Closure> closure = closeCurve(radii.R1, radii.R2, ParameterStep);
            if (!closure)
                refuseWork(ofTheRun(
                    translate("Renderer", "R1 and R2 have too many digits to work out where the curve closes")));
            if (closure->segments > LargestSegmentCount)
                refuseWork(
                    ofTheRun(translate("Renderer", "closing this curve needs %1 steps, more than the limit of %2")
                                 .arg(withThousands(closure->segments), withThousands(LargestSegmentCount))));
            plan.end = closure->end;
            plan.closeOnFirstPoint = true;
            segments = closure->segments;
        }
        request.runs.push_back(plan);
        request.segments += segments;
    }
    if (request.segments > LargestSegmentCount)
        refuseWork(translate("Renderer", "the %1 runs take %2 steps together, more than the limit of %3")
                       .arg(QString::number(request.runs.size()), withThousands(request.segments),
                           withThousands(LargestSegmentCount)));

    if (options.fit) {
        const std::optional<QRect> drawn = drawnArea(request);
        if (!drawn)
            refuseWork(translate(
                "Renderer", "nothing of this picture lands on the canvas, so --fit has nothing to cut it to"));
        const int margin = *options.fit;
        request.view = drawn->adjusted(-margin, -margin, margin, margin);
    }

    if (options.animate && options.format != PictureFormat::Svg)
        request.frames = scheduleFrames(presents(request), *options.animate, options.loop);

    if (options.format != PictureFormat::Svg) {
        const QSizeF size = QSizeF(request.view.size()) * options.scale;
        if (size.width() * size.height() > LargestPicturePixels)
            refuseWork(translate("Renderer",
                "the picture at scale %1 would be %2 x %3 pixels, more than the limit of %4 pixels; "
                "a smaller --fit margin or a lower --scale takes less")
                           .arg(QString::number(options.scale), withThousands(size.width()),
                               withThousands(size.height()), roughly(LargestPicturePixels)));
        double work = rasterWork(request, options.scale);
        if (!request.frames.empty()) {
            const FramesCost frames = framesCost(request, options.scale);
            if (options.format == PictureFormat::Gif && frames.mostColours > MostGifFrameColours)
                refuseWork(translate("Renderer",
                    "a frame of the GIF would draw %1 colours, more than the %2 a frame holds; a longer "
                    "--animate spreads the runs over more frames")
                               .arg(QString::number(frames.mostColours), QString::number(MostGifFrameColours)));
            work += frames.pixels * FrameWorkPerPixel;
        }
        if (work > rasterBudget) {
            QString remedy = translate("Renderer", "fewer runs take less");
            if (options.scale > 1)
                remedy = translate("Renderer", "a lower --scale takes less");
            else if (options.untilClosed)
                remedy = several ? translate("Renderer", "without --until-closed the curves stop sooner")
                                 : translate("Renderer", "without --until-closed the curve stops sooner");
            if (!request.frames.empty())
                refuseWork(translate("Renderer",
                    "drawing and writing the %1 frames at scale %2 means about %3 pixels of work, more than the "
                    "limit of %4; %5")
                               .arg(withThousands(double(request.frames.size())), QString::number(options.scale),
                                   roughly(work), roughly(rasterBudget),
                                   options.scale > 1 ? remedy
                                                     : translate("Renderer",
                                                         "another --animate takes less: a shorter one fewer frames, a "
                                                         "longer one smaller ones")));
            refuseWork(
                (several ? translate("Renderer",
                     "drawing these curves at scale %1 means sweeping about %2 pixels, more than the limit of "
                     "%3; %4")
                         : translate("Renderer",
                             "drawing this curve at scale %1 means sweeping about %2 pixels, more than the limit of "
                             "%3; %4"))
                    .arg(QString::number(options.scale), roughly(work), roughly(rasterBudget), remedy));
        }
    }
    return request;
}

} // namespace volvenda
