#include "runs_file.h"

#include "argument_values.h"

#include "output/printable.h"
#include "runtime/system_reason.h"

#include <QByteArray>
#include <QList>

#include <algorithm>
#include <array>
#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace volvenda {

namespace {

// The whole file, or the system's error number; at most a byte more than
// LargestRunsFileSize, which is enough to know it is too large.
QByteArray readAtMost(const QByteArray &name, int &error)
{
    const bool standardInput = name == "-";
    const int descriptor = standardInput ? STDIN_FILENO : ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    error = descriptor < 0 ? errno : 0;
    QByteArray text;
    std::array<char, 65536> buffer {};
    while (error == 0 && text.size() <= LargestRunsFileSize) {
        const ssize_t got = ::read(descriptor, buffer.data(), buffer.size());
        if (got == 0)
            break;
        if (got > 0)
            text.append(buffer.data(), got);
        else if (errno != EINTR)
            error = errno;
    }
    if (descriptor >= 0 && !standardInput)
        ::close(descriptor);
    return text;
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
        const auto refuse = [&](const QString &why) {
            return RunsFile {{}, QStringLiteral("line %1 of %2: %3").arg(number).arg(shown, why)};
        };
        const QByteArray words = line.toByteArray().simplified();
        if (words.isEmpty() || words.startsWith('#'))
            continue;
        const QList<QByteArray> fields = words.split(' ');
        if (fields.size() != 3 && fields.size() != 4)
            return refuse(
                QStringLiteral("a run is R1 R2 R3 and maybe a colour RRGGBB, not %1").arg(Argument(words).quoted()));
        if (file.runs.size() == room)
            return refuse(QStringLiteral("the runs are more than the limit of %1").arg(LargestRunCount));
        Run run;
        COLORREF colour = 0;
        for (const QString &refusal :
            {readRadii(Argument(fields[0]), Argument(fields[1]), Argument(fields[2]), QString(), run.radii),
                fields.size() == 4 ? readColour(QStringLiteral("the colour"), Argument(fields[3]), colour) : QString()})
            if (!refusal.isEmpty())
                return refuse(refusal);
        if (fields.size() == 4)
            run.colour = colour;
        file.runs.push_back(run);
    }
    return file;
}

QString addRunsFile(RenderOptions &options)
{
    if (!options.runsFile)
        return {};
    const QByteArray &name = *options.runsFile;
    const QString shown
        = name == "-" ? QStringLiteral("standard input") : QLatin1Char('\'') + printable(name) + QLatin1Char('\'');
    int error = 0;
    const QByteArray text = readAtMost(name, error);
    if (error != 0)
        return QStringLiteral("cannot read %1: %2").arg(shown, systemReason(error));
    if (text.size() > LargestRunsFileSize)
        return QStringLiteral("%1 is larger than %2 MB, the limit for a runs file")
            .arg(shown, QString::number(LargestRunsFileSize / Megabyte));
    const RunsFile file = parseRuns(text, shown, LargestRunCount - options.runs.size());
    if (!file.refusal.isEmpty())
        return file.refusal;
    if (file.runs.empty() && options.runs.empty())
        return QStringLiteral("%1 holds no runs, and none are given as arguments").arg(shown);
    options.runs.insert(options.runs.end(), file.runs.begin(), file.runs.end());
    return {};
}

} // namespace volvenda
