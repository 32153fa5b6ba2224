// The renderer's runs files on arbitrary text, with room for 0 to 7 runs or
// for the most a picture may have (the first byte says which). Either every
// line that is neither blank nor a comment is a run with finite radii, and
// there is room for them all; or nothing is taken, and the refusal is one line
// that names a line of the text by its number, with nothing in it that a
// terminal would act on.

#include "property.h"

#include "runs/runs_file.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace volvenda;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::size_t room = data[0] < 128 ? LargestRunCount : data[0] % 8;
    const QByteArray text(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));
    const RunsFile file = parseRuns(text, QStringLiteral("'f'"), room);

    // Lines as editors end them, LF, CRLF or CR alone, after a byte-order mark.
    QByteArray unified = text.startsWith("\xEF\xBB\xBF") ? text.mid(3) : text;
    const QList<QByteArray> lines = unified.replace("\r\n", "\n").replace('\r', '\n').split('\n');
    if (!file.refusal.isEmpty()) {
        check(file.runs.empty());
        const qsizetype of = file.refusal.indexOf(QLatin1String(" of 'f': "));
        check(file.refusal.startsWith(QLatin1String("line ")) && of > 5);
        bool number = false;
        const qsizetype line = file.refusal.mid(5, of - 5).toLongLong(&number);
        check(number && line >= 1 && line <= lines.size());
        check(std::none_of(file.refusal.begin(), file.refusal.end(),
            [](QChar c) { return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F); }));
        return 0;
    }
    const auto runs = std::count_if(lines.begin(), lines.end(), [](const QByteArray &line) {
        const QByteArray words = line.simplified();
        return !words.isEmpty() && !words.startsWith('#');
    });
    check(std::size_t(runs) == file.runs.size() && file.runs.size() <= room);
    for (const Run &run : file.runs)
        check(std::isfinite(run.radii.R1) && std::isfinite(run.radii.R2) && std::isfinite(run.radii.R3));
    return 0;
}
