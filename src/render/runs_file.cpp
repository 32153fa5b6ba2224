#include "runs_file.h"

#include "argument_values.h"

#include "output/printable.h"
#include "runtime/catalogue.h"
#include "runtime/runtime_error.h"
#include "runtime/system_reason.h"
#include "runtime/system_result.h"

#include <QByteArray>
#include <QList>
#include <QScopeGuard>

#include <algorithm>
#include <array>
#include <cerrno>
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

// The run on a line of a runs file; nothing for a blank line or a comment.
// room is whether another run may come from the file.
std::optional<Run> readRun(QByteArrayView line, bool room)
{
    const QByteArray words = line.toByteArray().simplified();
    if (words.isEmpty() || words.startsWith('#'))
        return std::nullopt;
    const QList<QByteArray> fields = words.split(' ');
    if (fields.size() != 3 && fields.size() != 4)
        refuseArgument(
            translate("Renderer", "a run is R1 R2 R3 and maybe a colour RRGGBB, not %1").arg(Argument(words).quoted()));
    if (!room)
        refuseArgument(translate("Renderer", "the runs are more than the limit of %1").arg(LargestRunCount));
    Run run {readRadii(Argument(fields[0]), Argument(fields[1]), Argument(fields[2]), 0), std::nullopt};
    if (fields.size() == 4)
        run.colour = readColour(translate("Renderer", "the colour"), Argument(fields[3]));
    return run;
}

} // namespace

std::vector<Run> parseRuns(QByteArrayView text, const QString &shown, std::size_t room)
{
    // As editors write them: Notepad puts a byte-order mark first, and lines
    // end in LF, CRLF or, from old Mac editors, CR alone.
    const QByteArrayView mark("\xEF\xBB\xBF");
    if (text.startsWith(mark))
        text = text.sliced(mark.size());
    std::vector<Run> runs;
    qsizetype number = 0;
    while (!text.isEmpty()) {
        const auto end = std::find_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; });
        const QByteArrayView line = text.first(end - text.begin());
        const bool crlf = QByteArrayView(end, text.end()).startsWith("\r\n");
        text = text.sliced(std::min(text.size(), line.size() + (crlf ? 2 : 1)));
        ++number;
        try {
            if (const std::optional<Run> run = readRun(line, runs.size() < room))
                runs.push_back(*run);
        } catch (const RuntimeError &refusal) {
            refuseArgument(translate("Renderer", "line %1 of %2: %3").arg(number).arg(shown, refusal.errorText()));
        }
    }
    return runs;
}

void addRunsFile(RenderOptions &options)
{
    if (!options.runsFile)
        return;
    const QByteArray &name = *options.runsFile;
    const QString shown = name == "-" ? translate("Renderer", "standard input")
                                      : QLatin1Char('\'') + printable(name) + QLatin1Char('\'');
    SystemResult<QByteArray> read = readAtMost(name);
    if (!read)
        refuseArgument(translate("Renderer", "cannot read %1: %2").arg(shown, systemReason(read.error())));
    const QByteArray text = read.take();
    if (text.size() > LargestRunsFileSize)
        refuseArgument(translate("Renderer", "%1 is larger than %2 MB, the limit for a runs file")
                           .arg(shown, QString::number(LargestRunsFileSize / Megabyte)));
    const std::vector<Run> runs = parseRuns(text, shown, LargestRunCount - options.runs.size());
    if (runs.empty() && options.runs.empty())
        refuseArgument(translate("Renderer", "%1 holds no runs, and none are given as arguments").arg(shown));
    options.runs.insert(options.runs.end(), runs.begin(), runs.end());
}

} // namespace volvenda
