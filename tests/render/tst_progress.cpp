#include "render/progress.h"

#include <QTest>

#include <algorithm>

using namespace volvenda;

class ProgressTest final : public QObject
{
    Q_OBJECT

private slots:
    void showsProgressOnlyWhenSlowOnATerminal()
    {
        // The terminal's line after each output, as it shows it, and where its cursor stands.
        QStringList lines;
        QByteArray line;
        qsizetype cursor = 0;
        const auto terminal = [&](const QByteArray &text) {
            for (const char c : text) {
                if (c == '\r' || c == '\b') {
                    cursor = c == '\r' ? 0 : std::max<qsizetype>(cursor - 1, 0);
                    continue;
                }
                line.resize(std::max(line.size(), cursor + 1));
                line[cursor++] = c;
            }
            lines << QString::fromLatin1(line.trimmed()) + QStringLiteral(" @%1").arg(cursor);
        };
        // Reports 0.1 s apart, then 1 s apart, then off a terminal.
        for (const qint64 step : {100, 1000, 0}) {
            qint64 now = 0;
            Progress progress(step > 0, terminal, [&] { return now += step; });
            for (const double done : {0.0, 0.5, 0.502, 1.0})
                progress.report("drawing", done);
            progress.report("writing", 0.05);
        }
        // Within the first second, or off a terminal: nothing. Then once per
        // percentage; a shorter line leaves nothing of a longer one; the end,
        // a clean line.
        QCOMPARE(lines,
            (QStringList {"volvenda-render: drawing 0% @27", "volvenda-render: drawing 50% @28",
                "volvenda-render: drawing 100% @29", "volvenda-render: writing 5% @27", " @0"}));
    }
};

QTEST_GUILESS_MAIN(ProgressTest)
#include "tst_progress.moc"
