// The tracer with the drawing surfaces, as the renderer drives them: the
// input gives the options (a byte of switches, a byte of scale) and the three
// radii as text. Whatever it asks, the plan either refuses it or the picture
// is drawn within the planned steps and work, failing at most with the
// division-by-zero or overflow error; a PNG of it reads back as the same
// pixels, and an SVG of it is well-formed XML and the same document as the
// window's recording of it writes.

#include "render/render.h"

#include "runtime/png_writing.h"
#include "runtime/raster_surface.h"
#include "runtime/recording_surface.h"
#include "runtime/runtime_error.h"
#include "runtime/vector_surface.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QList>
#include <QXmlStreamReader>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace volvenda;

namespace {

// Far below the renderer's budget, so that each input is quick; the budget's
// own size is not what is fuzzed here.
constexpr double fuzzBudget = RasterWorkBudget / 50;

// Names the broken property before stopping, for whoever reads the crash.
void check(bool condition, int line = __builtin_LINE())
{
    if (!condition) {
        std::fprintf(stderr, "property broken at line %d of %s\n", line, __FILE__);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::uint8_t switches = data[0];
    const bool svg = (switches & 1U) != 0;
    QList<QByteArray> arguments {"-o", svg ? "fuzz.svg" : "fuzz.png"};
    if ((switches & 2U) != 0)
        arguments << "--until-closed";
    if ((switches & 4U) != 0)
        arguments << "--no-reference";
    // Scales above 4 only for one input in 16: checking a picture of
    // 6400 x 7120 pixels takes seconds.
    if (!svg)
        arguments << "--scale" << QByteArray::number(data[1] >= 240 ? 1 + data[1] % 16 : 1 + data[1] % 4);
    arguments << "--";
    arguments += QByteArray(reinterpret_cast<const char *>(data + 2), static_cast<qsizetype>(size - 2)).split('\0');

    const CommandLine commandLine = parseCommandLine(arguments);
    if (commandLine.action != CommandLine::Action::Render)
        return 0;
    const RenderOptions &options = commandLine.options;
    try {
        const PicturePlan plan = planPicture(options, composeColor(data[1], 90, 200), fuzzBudget);
        if (!plan.request) {
            check(!plan.refusal.isEmpty());
            return 0;
        }
        double steps = 0;
        const auto count = [&](double) { ++steps; };
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        if (svg) {
            VectorSurface surface(CanvasSize, Qt::white);
            drawPicture(*plan.request, surface, count);
            check(surface.writeSvg(file));
            QXmlStreamReader xml(file.data());
            while (!xml.atEnd())
                xml.readNext();
            check(!xml.hasError());
            // Drawn as the window draws, through a recording surface (over a
            // vector one, quicker than pixels), the same picture.
            VectorSurface shown(CanvasSize, Qt::white);
            RecordingSurface recording(shown, CanvasSize, Qt::white);
            drawPicture(*plan.request, recording);
            QBuffer recorded;
            recorded.open(QIODevice::WriteOnly);
            check(recording.record().writeSvg(recorded) && recorded.data() == file.data());
        } else {
            check(rasterWork(*plan.request, options.scale) <= fuzzBudget);
            RasterSurface surface(CanvasSize, options.scale, Qt::white, QImage::Format_RGB888);
            drawPicture(*plan.request, surface, count);
            check(surface.image().size() == CanvasSize * options.scale);
            check(writePng(surface.image(), file));
            file.close();
            file.open(QIODevice::ReadOnly);
            QImageReader reader(&file, "PNG");
            reader.setAllocationLimit(0);
            const QImage read = reader.read();
            check(read.convertToFormat(QImage::Format_RGB888) == surface.image());
        }
        check(steps == plan.request->segments + 1);
    } catch (const RuntimeError &error) {
        check(error.kind() == ErrorKind::DivisionByZero || error.kind() == ErrorKind::Overflow);
    }
    return 0;
}
