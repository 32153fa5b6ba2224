#pragma once

#include "output/picture_format.h"
#include "runtime/color.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

namespace volvenda {

// What to render, as the command line gave it.
struct RenderOptions
{
    QString output;
    PictureFormat format = PictureFormat::Png;
    double R1 = 0.0;
    double R2 = 0.0;
    double R3 = 0.0;
    std::optional<COLORREF> colour;
    std::optional<std::uint32_t> seed;
    int scale = 1;
    bool untilClosed = false;
    bool reference = true;
    // SVG only: the seconds over which the curve draws itself, and whether
    // it starts again after a pause.
    std::optional<double> animate;
    bool loop = false;
    // Cut the picture to what is drawn, with this margin in logical pixels.
    std::optional<int> fit;
};

struct CommandLine
{
    enum class Action { Render, Help, Version, Error };
    Action action = Action::Error;
    RenderOptions options;
    // For Error: one line that names the bad argument, its control
    // characters and bytes that are not UTF-8 shown as escapes.
    QString error;
};

// Reads the arguments that follow the program's name, as the bytes the
// system gave. Radii are read as numbers with the period as the decimal mark
// and nothing else around them; a leading minus sign makes an argument a
// number, not an option. The output's name must be UTF-8, so that the file
// written is the one named.
[[nodiscard]] CommandLine parseCommandLine(const QList<QByteArray> &arguments);

[[nodiscard]] QString usageText();

} // namespace volvenda
