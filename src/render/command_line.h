#pragma once

#include "limits.h"

#include "output/picture_format.h"
#include "output/plotter_svg.h"
#include "runs/runs_file.h"
#include "runtime/colour.h"
#include "trace/curve.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace volvenda {

// What to render, as the command line gave it.
struct RenderOptions
{
    QString output;
    PictureFormat format = PictureFormat::Png;
    // In the order they are drawn: three radii a run, each with the --color
    // given in its place, if any.
    std::vector<Run> runs;
    // --runs: a file of further runs, drawn after those; "-" is standard
    // input. The name as the system gave it.
    std::optional<QByteArray> runsFile;
    // The grey circle as the runs file gives it, instead of the first run's |R1|.
    bool circleGiven = false;
    std::optional<float> circle;
    std::optional<std::uint32_t> seed;
    int scale = 1;
    bool untilClosed = false;
    bool reference = true;
    // SVG only: the seconds over which the curves draw themselves, one after
    // another, and whether they start again after a pause.
    std::optional<double> animate;
    bool loop = false;
    // Cut the picture to what is drawn, with this margin in logical pixels.
    std::optional<int> fit;
    // SVG only: a page for a pen plotter, the picture filling it.
    std::optional<PlotterPage> page;
};

struct CommandLine
{
    enum class Action { Render, Help, Version };
    Action action = Action::Render;
    // For Render.
    RenderOptions options;
};

// Reads the arguments that follow the program's name, as the bytes the
// system gave. Radii are read as numbers with the period as the decimal mark
// and nothing else around them, three a run; a leading minus sign makes an
// argument a number, not an option. --color is given at most once a run. The
// output's name must be UTF-8, so that the file written is the one named.
// Throws RuntimeError(ErrorKind::BadArgument) for the first bad argument:
// one line that names it, its control characters and bytes that are not
// UTF-8 shown as escapes.
[[nodiscard]] CommandLine parseCommandLine(const QList<QByteArray> &arguments);

[[nodiscard]] QString usageText();

// Reads the runs file that the options name, if any, and adds its runs, and
// its circle, to theirs. Throws RuntimeError(ErrorKind::BadArgument) if it
// cannot: the file cannot be read or is too large, a line is bad, there are
// too many runs, or none at all.
void addRunsFile(RenderOptions &options);

} // namespace volvenda
