// The renderer's runs files on arbitrary text, with room for 0 to 7 runs or
// for the most a picture may have (the first byte says which). Either every
// line that is neither blank nor a comment is a run with finite radii, and
// there is room for them all; or the text is refused as a bad argument, in
// one line that names a line of it by its number, with nothing in it that a
// terminal would act on.

#include "property.h"

#include "output/printable.h"
#include "runs/runs_file.h"
#include "runtime/runtime_error.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace volvenda;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::size_t room = data[0] < 128 ? LargestRunCount : data[0] % 8;
    const QByteArray text(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));
    // Lines as editors end them, LF, CRLF or CR alone, after a byte-order mark.
    QByteArray unified = text.startsWith("\xEF\xBB\xBF") ? text.mid(3) : text;
    const QList<QByteArray> lines = unified.replace("\r\n", "\n").replace('\r', '\n').split('\n');
    RunsFile file;
    try {
        file = parseRuns(text, QStringLiteral("'f'"), room);
    } catch (const RuntimeError &refusal) {
        const QString why = refusal.errorText();
        const qsizetype of = why.indexOf(QLatin1String(" of 'f': "));
        check(refusal.kind() == ErrorKind::BadArgument && why.startsWith(QLatin1String("line ")) && of > 5);
        bool number = false;
        const qsizetype line = why.mid(5, of - 5).toLongLong(&number);
        check(number && line >= 1 && line <= lines.size());
        for (const char32_t c : why.toUcs4())
            check(!needsEscape(c));
        return 0;
    }
    const auto counted = std::count_if(lines.begin(), lines.end(), [](const QByteArray &line) {
        const QByteArray words = line.simplified();
        return !words.isEmpty() && !words.startsWith('#');
    });
    // Every line that is not blank or a comment is a run or the one circle.
    check(std::size_t(counted) == file.runs.size() + (file.circleGiven ? 1 : 0) && file.runs.size() <= room);
    check(file.circleGiven || !file.circle);
    check(!file.circle || *file.circle >= 0);
    for (const Run &run : file.runs)
        check(std::isfinite(run.radii.R1) && std::isfinite(run.radii.R2) && std::isfinite(run.radii.R3));
    return 0;
}
