#pragma once

#include "runtime/color.h"
#include "runtime/numbers.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace volvenda {

enum class ImageFormat { Png, Svg };

// What to render, as the command line gave it.
struct RenderOptions
{
    QString output;
    ImageFormat format = ImageFormat::Png;
    double R1 = 0.0;
    double R2 = 0.0;
    double R3 = 0.0;
    // R1 and R2 exactly as typed, for working out where the curve closes.
    ExactDecimal R1Exact;
    ExactDecimal R2Exact;
    std::optional<COLORREF> colour;
    std::optional<std::uint32_t> seed;
    int scale = 1;
    bool untilClosed = false;
    bool reference = true;
};

struct CommandLine
{
    enum class Action { Render, Help, Version, Error };
    Action action = Action::Error;
    RenderOptions options;
    // For Error: one line that names the bad argument.
    QString error;
};

// Reads the arguments that follow the program's name. Radii are read as
// numbers with the period as the decimal mark and nothing else around them;
// a leading minus sign makes an argument a number, not an option.
[[nodiscard]] CommandLine parseCommandLine(const QStringList &arguments);

[[nodiscard]] QString usageText();

} // namespace volvenda
