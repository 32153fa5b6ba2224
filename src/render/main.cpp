// volvenda-render: the window's curves as PNG and SVG files, from the command line.

#include "command_line.h"
#include "render.h"

#include "runtime/clock.h"
#include "runtime/random_generator.h"
#include "runtime/raster_surface.h"
#include "runtime/runtime_error.h"
#include "runtime/vector_surface.h"
#include "trace/closure.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

using namespace volvenda;

namespace {

enum ExitStatus { Success = 0, Failure = 1, BadArguments = 2 };

constexpr double largestStepCount = 1'000'000;

int complain(const QString &message, ExitStatus status)
{
    std::fprintf(stderr, "volvenda-render: %s\n", qPrintable(message));
    return status;
}

COLORREF runColour(const RenderOptions &options)
{
    if (options.colour)
        return *options.colour;
    RandomGenerator random(options.seed.value_or(0));
    if (!options.seed)
        random.reseed(secondsSinceMidnight());
    WindowState state;
    return pickRunColour(state, random);
}

// Writes through a temporary file beside the target, so that an existing
// file is only ever replaced by a complete new one.
template<typename Write>
int writeAtomically(const QString &path, Write &&write)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && write(file) && file.commit())
        return Success;
    const QString reason = file.errorString();
    // Without a commit the temporary file is removed and the target left as it was.
    file.cancelWriting();
    return complain(QStringLiteral("cannot write '%1': %2").arg(path, reason), Failure);
}

int render(const RenderOptions &options)
{
    PictureRequest request;
    request.reference = options.reference;
    request.plan.radii = Radii {options.R1, options.R2, options.R3};

    if (options.untilClosed) {
        const std::optional<Closure> closure = closeCurve(options.R1Exact, options.R2Exact, ParameterStep);
        if (!closure)
            return complain(
                QStringLiteral("R1 and R2 have too many digits to work out where the curve closes"), Failure);
        if (closure->segments > largestStepCount)
            return complain(QStringLiteral("closing this curve needs %1 steps, more than the limit of 1,000,000")
                                .arg(QLocale::c().toString(closure->segments, 'f', 0)),
                Failure);
        request.plan.end = closure->end;
        request.plan.closeOnFirstPoint = true;
    }
    request.plan.colour = runColour(options);

    try {
        if (options.format == ImageFormat::Svg) {
            VectorSurface surface(CanvasSize, Qt::white);
            drawPicture(request, surface);
            return writeAtomically(options.output, [&](QSaveFile &file) { return surface.writeSvg(file); });
        }
        RasterSurface surface(CanvasSize, options.scale, Qt::white);
        drawPicture(request, surface);
        // K device pixels per logical pixel, recorded as K times the usual 96
        // dots per inch, so that viewers show it at the window's size.
        QImage image = surface.image();
        const int dotsPerMetre = qRound(96.0 / 0.0254 * options.scale);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return writeAtomically(options.output, [&](QSaveFile &file) { return image.save(&file, "PNG"); });
    } catch (const RuntimeError &error) {
        return complain(error.errorText(), Failure);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    // It only ever draws into images: no window system, so no display needed.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("volvenda-render"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));

    const CommandLine commandLine = parseCommandLine(QCoreApplication::arguments().mid(1));
    switch (commandLine.action) {
    case CommandLine::Action::Help:
        std::fputs(qPrintable(usageText()), stdout);
        return Success;
    case CommandLine::Action::Version:
        std::printf("volvenda-render %s\n", qPrintable(QCoreApplication::applicationVersion()));
        return Success;
    case CommandLine::Action::Error:
        return complain(commandLine.error + QStringLiteral(" (see --help)"), BadArguments);
    case CommandLine::Action::Render:
        break;
    }
    return render(commandLine.options);
}
