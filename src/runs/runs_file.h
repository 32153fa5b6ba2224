#pragma once

#include "run_limits.h"

#include "runtime/colour.h"
#include "trace/curve.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

namespace volvenda {

// One press of Start: the radii, and the colour it is drawn in when one is
// given instead of the random one.
struct Run
{
    Radii radii;
    std::optional<COLORREF> colour;
};

struct RunsFile
{
    std::vector<Run> runs;
    // A "circle R" or "circle none" line: the grey circle's radius, made
    // non-negative, where it is not the first run's |R1|; none for no circle.
    bool circleGiven = false;
    std::optional<float> circle;
};

// The runs of text, one a line: R1 R2 R3 read as the command line reads
// them, and maybe a colour RRGGBB, apart by blanks; and at most one circle
// line. Blank lines and lines that begin with '#' are skipped. shown names
// the file in messages; at most room runs may come from it. Throws
// RuntimeError(ErrorKind::BadArgument) for the first bad line, naming the
// file and the line's number.
[[nodiscard]] RunsFile parseRuns(QByteArrayView text, const QString &shown, std::size_t room);

// Reads and parses the file of this name as the system spells it ("-" is
// standard input). Throws RuntimeError(ErrorKind::BadArgument) as parseRuns
// does, and when the file cannot be read or is too large.
[[nodiscard]] RunsFile readRunsFile(const QByteArray &name, const QString &shown, std::size_t room);

// A run as the window drew it: the colour picked, and the error's text when
// it stopped part-way.
struct DrawnRun
{
    Radii radii;
    COLORREF colour = 0;
    QString failure;
};

// What a picture holds: the grey circle of the last start-up or Clear (none
// when its radius could not be read), then each Start since.
struct PictureContent
{
    std::optional<float> circle;
    std::vector<DrawnRun> runs;
};

// The runs file of a picture: a comment naming the program, a circle line
// where the circle is not the first run's, and a line for each run; a run
// that failed is a comment that says so, and is not drawn again.
[[nodiscard]] QByteArray runsFileText(const PictureContent &picture);

// The grey circle of a picture of these runs: the circle line's where one is
// given, else the first run's |R1|, else none.
[[nodiscard]] std::optional<float> circleOf(bool given, std::optional<float> circle, const std::vector<Run> &runs);

} // namespace volvenda
