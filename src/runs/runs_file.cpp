#include "runs_file.h"

#include "argument_values.h"

#include "runtime/arithmetic.h"
#include "runtime/catalogue.h"
#include "runtime/number_spelling.h"
#include "runtime/runtime_error.h"
#include "runtime/system_reason.h"
#include "runtime/system_result.h"
#include "runtime/version.h"

#include <QByteArray>
#include <QList>
#include <QScopeGuard>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <optional>

#include <fcntl.h>
#include <unistd.h>

namespace volvenda {

namespace {

// The whole file, or why the system could not read it; at most a byte more
// than LargestRunsFileSize, which is enough to know it is too large.
SystemResult<QByteArray> readAtMost(const QByteArray &name)
{
    const bool standardInput = name == "-";
    const int descriptor = standardInput ? STDIN_FILENO : ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return lastSystemError();
    const auto closing = qScopeGuard([&] {
        if (!standardInput)
            ::close(descriptor);
    });
    QByteArray text;
    std::array<char, 65536> buffer {};
    while (text.size() <= LargestRunsFileSize) {
        const ssize_t got = ::read(descriptor, buffer.data(), buffer.size());
        if (got == 0)
            break;
        if (got > 0)
            text.append(buffer.data(), got);
        else if (errno != EINTR)
            return lastSystemError();
    }
    return text;
}

// Adds what a line of a runs file gives to file: a run, or the circle;
// nothing for a blank line or a comment. At most room runs may come from it.
void readLine(QByteArrayView line, RunsFile &file, std::size_t room)
{
    const QByteArray words = line.toByteArray().simplified();
    if (words.isEmpty() || words.startsWith('#'))
        return;
    const QList<QByteArray> fields = words.split(' ');
    if (fields[0] == "circle") {
        if (fields.size() != 2 || file.circleGiven)
            refuseArgument(translate("Runs", "the picture has one circle, given as 'circle R' or 'circle none', not %1")
                               .arg(Argument(words).quoted()));
        file.circleGiven = true;
        if (fields[1] != "none")
            file.circle
                = narrowToSingle(std::fabs(readRadius(translate("Runs", "the circle's radius"), Argument(fields[1]))));
        return;
    }
    if (fields.size() != 3 && fields.size() != 4)
        refuseArgument(
            translate("Runs", "a run is R1 R2 R3 and maybe a colour RRGGBB, not %1").arg(Argument(words).quoted()));
    if (file.runs.size() >= room)
        refuseArgument(translate("Runs", "the runs are more than the limit of %1").arg(LargestRunCount));
    Run run {readRadii(Argument(fields[0]), Argument(fields[1]), Argument(fields[2]), 0), std::nullopt};
    if (fields.size() == 4)
        run.colour = readColour(translate("Runs", "the colour"), Argument(fields[3]));
    file.runs.push_back(run);
}

} // namespace

RunsFile parseRuns(QByteArrayView text, const QString &shown, std::size_t room)
{
    // As editors write them: Notepad puts a byte-order mark first, and lines
    // end in LF, CRLF or, from old Mac editors, CR alone.
    const QByteArrayView mark("\xEF\xBB\xBF");
    if (text.startsWith(mark))
        text = text.sliced(mark.size());
    RunsFile file;
    qsizetype number = 0;
    while (!text.isEmpty()) {
        const auto end = std::find_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; });
        const QByteArrayView line = text.first(end - text.begin());
        const bool crlf = QByteArrayView(end, text.end()).startsWith("\r\n");
        text = text.sliced(std::min(text.size(), line.size() + (crlf ? 2 : 1)));
        ++number;
        try {
            readLine(line, file, room);
        } catch (const RuntimeError &refusal) {
            refuseArgument(translate("Runs", "line %1 of %2: %3").arg(number).arg(shown, refusal.errorText()));
        }
    }
    return file;
}

RunsFile readRunsFile(const QByteArray &name, const QString &shown, std::size_t room)
{
    SystemResult<QByteArray> read = readAtMost(name);
    if (!read)
        refuseArgument(translate("Runs", "cannot read %1: %2").arg(shown, systemReason(read.error())));
    const QByteArray text = read.take();
    if (text.size() > LargestRunsFileSize)
        refuseArgument(translate("Runs", "%1 is larger than %2 MB, the limit for a runs file")
                           .arg(shown, QString::number(LargestRunsFileSize / Megabyte)));
    return parseRuns(text, shown, room);
}

std::optional<float> circleOf(bool given, std::optional<float> circle, const std::vector<Run> &runs)
{
    if (given || runs.empty())
        return circle;
    return narrowToSingle(std::fabs(runs.front().radii.R1));
}

QByteArray runsFileText(const PictureContent &picture)
{
    QString text
        = QStringLiteral("# Volvenda %1: runs, one a line as R1 R2 R3 RRGGBB\n").arg(QLatin1String(ProgramVersion));
    std::vector<Run> drawn;
    QString runs;
    for (const DrawnRun &run : picture.runs) {
        const QString line = QStringLiteral("%1 %2 %3 %4")
                                 .arg(shortestSpelling(run.radii.R1), shortestSpelling(run.radii.R2),
                                     shortestSpelling(run.radii.R3), toQColor(run.colour).name().mid(1));
        if (run.failure.isEmpty()) {
            runs += line + QLatin1Char('\n');
            drawn.push_back(Run {run.radii, run.colour});
        } else {
            runs += QStringLiteral("# failed with \"%1\": %2\n").arg(run.failure, line);
        }
    }
    // A circle too large to draw is drawn as none; a file of no runs says
    // what its picture is all the same.
    const std::optional<float> circle
        = picture.circle && std::isfinite(*picture.circle) ? std::optional(std::fabs(*picture.circle)) : std::nullopt;
    if (drawn.empty() || circle != circleOf(false, std::nullopt, drawn))
        text += QStringLiteral("circle %1\n").arg(circle ? shortestSpelling(*circle) : QStringLiteral("none"));
    return (text + runs).toUtf8();
}

} // namespace volvenda
