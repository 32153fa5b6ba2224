#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace volvenda {

inline constexpr char ProgramName[] = "volvenda";
inline constexpr char ProgramVersion[] = "1.00";

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
};

// arguments[0] is the program as it was called.
[[nodiscard]] ProgramOptions parseProgramOptions(const QStringList &arguments);

// Whether the toolkit has something to open the window on: a platform that
// needs no display, or the display the platform needs.
[[nodiscard]] bool hasDisplay(const ProgramOptions &options, const QProcessEnvironment &environment);

// One line that says what is missing and offers a command that works as typed:
// the program's own path under a virtual X server, and the packages for it.
[[nodiscard]] QString noDisplayMessage(const QString &programPath, const QStringList &arguments);

} // namespace volvenda
