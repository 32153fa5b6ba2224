#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <optional>

namespace volvenda {

inline constexpr char ProgramName[] = "volvenda";

// What the command line asks of the program. It is worked out before the
// toolkit opens a display, so that --help and --version answer without one;
// the toolkit's own options (-platform, -style, ...) are known here only to be
// let through to it.
struct ProgramOptions
{
    enum class Action { OpenWindow, ShowHelp, ShowVersion, Refuse };

    Action action = Action::OpenWindow;
    // The help text or the version line for standard output, or for Refuse a
    // one-line message for standard error.
    QString text;
    // The platform plugin and X display named on the command line, if any.
    QString platform;
    QString display;
    // A runs file to open once the window is up; empty for none.
    QString runsFile;
};

// arguments[0] is the program as it was called.
[[nodiscard]] ProgramOptions parseProgramOptions(const QStringList &arguments);

// Whether the toolkit has something to open the window on: a platform that
// needs no display, or the display the platform needs, as the options and
// the environment name them.
[[nodiscard]] bool hasDisplay(const ProgramOptions &options);

// One line that says what is missing and offers a command that works as typed:
// the program's own path under a virtual X server, and the packages for it.
[[nodiscard]] QString noDisplayMessage(const QString &programPath, const QStringList &arguments);

// The address space the window needs beyond the program as it starts: the
// toolkit's own start-up, the picture, a dialog, and room for the paint
// engine's helpers. With less, the toolkit fails in ways it does not come
// back from: a helper thread that never starts, a crash.
[[nodiscard]] std::size_t windowAddressSpaceNeed();

// One line that says the window cannot open under an address-space limit
// that leaves too little (left, as addressSpaceLeft gives it); empty when
// it can.
[[nodiscard]] QString tooLittleMemoryMessage(std::optional<std::size_t> left);

// Settings of the toolkit's own, made before the application object exists.
// On Wayland the window is kept exposed when the compositor is late with a
// frame: Qt's client otherwise takes a window more than 100 ms without one as
// hidden and skips its paints, and on a busy machine a run, which holds the
// event loop until it ends, would show none of its steps. The window paints
// only when a command draws, so it wastes nothing by painting on. A value the
// user has set is kept.
void prepareToolkit();

} // namespace volvenda
