// The renderer's argument parser on arbitrary argument lists (the input split
// at its zero bytes). It never crashes, and what it gives is sound: an error
// is one line with nothing in it that a terminal would act on; a render has a
// UTF-8 output name ending in .png or .svg; one run or more, at most the
// limit, with finite radii and colours given for the first of them only, or
// none but a runs file to read them from; a scale within the limits, and 1
// for SVG; an animation within them, for SVG only, without which there is no
// loop; a margin within them.

#include "property.h"

#include "output/printable.h"
#include "render/command_line.h"
#include "runtime/runtime_error.h"

#include <QByteArray>
#include <QList>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace volvenda;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QList<QByteArray> arguments = input.isEmpty() ? QList<QByteArray>() : input.split('\0');
    CommandLine commandLine;
    try {
        commandLine = parseCommandLine(arguments);
    } catch (const RuntimeError &refusal) {
        check(refusal.kind() == ErrorKind::BadArgument && !refusal.errorText().isEmpty());
        for (const char32_t c : refusal.errorText().toUcs4())
            check(!needsEscape(c));
        return 0;
    }
    if (commandLine.action != CommandLine::Action::Render)
        return 0;
    const RenderOptions &options = commandLine.options;
    const QString suffix = options.output.right(4).toLower();
    check(suffix == QLatin1String(".png") || suffix == QLatin1String(".svg"));
    check(options.format == (suffix == QLatin1String(".png") ? PictureFormat::Png : PictureFormat::Svg));
    check(arguments.contains(options.output.toUtf8()) || input.contains("=" + options.output.toUtf8()));
    check(!options.runs.empty() || (options.runsFile && !options.runsFile->isEmpty()));
    check(options.runs.size() <= LargestRunCount);
    bool coloured = true;
    for (const Run &run : options.runs) {
        check(std::isfinite(run.radii.R1) && std::isfinite(run.radii.R2) && std::isfinite(run.radii.R3));
        check(coloured || !run.colour);
        coloured = bool(run.colour);
    }
    check(options.scale >= 1 && options.scale <= LargestScale);
    check(options.format == PictureFormat::Png || options.scale == 1);
    check(!options.animate
        || (options.format == PictureFormat::Svg && *options.animate >= ShortestAnimation
            && *options.animate <= LongestAnimation));
    check(options.animate || !options.loop);
    check(!options.fit || (*options.fit >= 0 && *options.fit <= LargestFitMargin));
    return 0;
}
