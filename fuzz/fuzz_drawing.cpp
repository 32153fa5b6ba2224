// The tracer with the drawing surfaces, as the renderer drives them: the
// input gives the options (a byte of switches, a byte of scale) and the radii
// of one run or more as text. Whatever it asks, the plan either refuses it or
// the picture is drawn within the planned steps, work and pixels, failing at
// most with the division-by-zero or overflow error; a PNG of it is the size
// of its view and reads back as the same pixels, as do an animated PNG's
// default image and an animated GIF's last frame, and an SVG of it, cut or
// animated, is well-formed XML with each run's curve as one path, and the
// same document as the window's recording of it writes when it is neither.

#include "property.h"

#include "render/animation.h"
#include "render/measuring.h"
#include "render/planning.h"

#include "drawing/clipping.h"
#include "drawing/raster_surface.h"
#include "drawing/recording_surface.h"
#include "output/animation_writing.h"
#include "output/png_writing.h"
#include "output/svg_writing.h"
#include "runtime/runtime_error.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QList>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

using namespace volvenda;

namespace {

// Far below the renderer's budget, so that each input is quick; the budget's
// own size is not what is fuzzed here.
constexpr double fuzzBudget = RasterWorkBudget / 50;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::uint8_t switches = data[0];
    const bool svg = (switches & 1U) != 0;
    // Animated pixels: a GIF for odd scale bytes, else an animated PNG.
    const bool animated = !svg && (switches & 16U) != 0;
    const bool gif = animated && (data[1] & 1U) != 0;
    QList<QByteArray> arguments {"-o", svg ? "fuzz.svg" : gif ? "fuzz.gif" : "fuzz.png"};
    if ((switches & 2U) != 0)
        arguments << "--until-closed";
    if ((switches & 4U) != 0)
        arguments << "--no-reference";
    // A margin of 0 to 980 pixels from the top three bits.
    if ((switches & 8U) != 0)
        arguments << "--fit" << QByteArray::number((switches >> 5U) * 140);
    if ((switches & 16U) != 0)
        arguments << "--animate"
                  << "1.5"
                  << "--loop";
    // Scales above 4 only for one input in 16: checking a picture of
    // 6400 x 7120 pixels takes seconds.
    if (!svg)
        arguments << "--scale" << QByteArray::number(data[1] >= 240 ? 1 + data[1] % LargestScale : 1 + data[1] % 4);
    arguments << "--";
    arguments += QByteArray(reinterpret_cast<const char *>(data + 2), static_cast<qsizetype>(size - 2)).split('\0');

    RenderOptions options;
    try {
        options = parseCommandLine(arguments).options;
    } catch (const RuntimeError &) {
        return 0;
    }
    try {
        // All in one colour, so that no run's path is told from the last one's by its colour.
        const std::vector<COLORREF> colours(options.runs.size(), composeColour(data[1], 90, 200));
        const PictureRequest request = planPicture(options, colours, fuzzBudget);
        double steps = 0;
        const auto count = [&](double) { ++steps; };
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        if (svg) {
            VectorSurface surface(CanvasSize, Qt::white);
            drawPicture(request, surface, count);
            // Each curve is one path, however often it leaves the canvas or
            // the box round it, so that it is one animation: after the
            // circle, a shape a run at most, each point of it within that box.
            const std::vector<VectorSurface::Shape> &shapes = surface.shapes();
            const auto curves
                = std::count_if(shapes.begin(), shapes.end(), [](const auto &s) { return s.presents > 0; });
            check(curves <= std::ptrdiff_t(options.runs.size()));
            // Point by point: a curve that stays on one spot has an empty
            // bounding rectangle, which no rectangle contains.
            const QRectF box = keptBounds(QSizeF(CanvasSize));
            for (const VectorSurface::Shape &shape : shapes)
                if (const auto *path = std::get_if<QPolygonF>(&shape.geometry))
                    check(std::all_of(path->begin(), path->end(), [&](const QPointF &p) { return box.contains(p); }));
            check(writeSvg(surface, file, SvgOptions {request.view, options.animate, options.loop}));
            QXmlStreamReader xml(file.data());
            while (!xml.atEnd())
                xml.readNext();
            check(!xml.hasError());
            // Drawn as the window draws, through a recording surface (over a
            // vector one, quicker than pixels), the same picture, when it is
            // neither cut nor animated, as the window's are not.
            if (!options.animate && !options.fit) {
                VectorSurface shown(CanvasSize, Qt::white);
                RecordingSurface recording(shown, CanvasSize, Qt::white);
                drawPicture(request, recording);
                QBuffer recorded;
                recorded.open(QIODevice::WriteOnly);
                check(writeSvg(recording.record(), recorded) && recorded.data() == file.data());
            }
        } else {
            check(rasterWork(request, options.scale) <= fuzzBudget);
            const QRect &view = request.view;
            check(double(view.width()) * view.height() * options.scale * options.scale <= LargestPicturePixels);
            RasterSurface surface(CanvasSize, view, options.scale, Qt::white, QImage::Format_RGB888);
            if (animated) {
                // The frames add up to the picture: a GIF's last one as the
                // toolkit reads it, and an animated PNG's default image is it.
                const std::unique_ptr<AnimationWriter> writer
                    = animationWriter(options.format, file, {pictureColours(request, Qt::white), options.loop});
                check(drawAnimation(request, surface, *writer, count));
                check(writer->finish(surface.image()));
            } else {
                drawPicture(request, surface, count);
                check(writePng(surface.image(), file));
            }
            check(surface.image().size() == view.size() * options.scale);
            file.close();
            file.open(QIODevice::ReadOnly);
            QImageReader reader(&file, gif ? "GIF" : "PNG");
            reader.setAllocationLimit(0);
            QImage read = reader.read();
            for (int frames = 1; gif && frames < int(request.frames.size()); ++frames)
                read = reader.read();
            check(read.convertToFormat(QImage::Format_RGB888) == surface.image());
        }
        check(steps == request.segments + double(options.runs.size()));
    } catch (const RuntimeError &error) {
        const bool ofTheRun = error.kind() == ErrorKind::DivisionByZero || error.kind() == ErrorKind::Overflow;
        check(ofTheRun || (error.kind() == ErrorKind::WorkRefused && !error.errorText().isEmpty()));
    }
    return 0;
}
