#pragma once

#include "command_line.h"
#include "limits.h"

#include <QByteArrayView>
#include <QString>

#include <cstddef>
#include <vector>

namespace volvenda {

// The runs of text, one a line: R1 R2 R3 read as the command line reads
// them, and maybe a colour RRGGBB, apart by blanks. Blank lines and lines
// that begin with '#' are skipped. shown names the file in messages; at most
// room runs may come from it. Throws RuntimeError(ErrorKind::BadArgument)
// for the first bad line, naming the file and the line's number.
[[nodiscard]] std::vector<Run> parseRuns(QByteArrayView text, const QString &shown, std::size_t room);

// Reads the runs file that the options name, if any, and adds its runs to
// theirs. Throws RuntimeError(ErrorKind::BadArgument) if it cannot: the file
// cannot be read or is too large, a line is bad, there are too many runs, or
// none at all.
void addRunsFile(RenderOptions &options);

} // namespace volvenda
