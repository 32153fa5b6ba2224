#include "support/renderer.h"

#include "render/command_line.h"
#include "runs/runs_file.h"

#include <cerrno>
#include <clocale>

using namespace volvenda;

namespace {

// Runs read from arguments or a runs file's text (with room for so many),
// or the refusal: the runs as "R1 R2 R3" and the colour given, if any, apart
// by "; ".
struct Reading
{
    QStringList given;
    QString runs;
    bool file = false;
    std::size_t room = LargestRunCount;
};

QString spelled(const std::vector<Run> &runs)
{
    QStringList words;
    for (const auto &[radii, colour] : runs)
        words << QStringLiteral("%1 %2 %3").arg(radii.R1).arg(radii.R2).arg(radii.R3)
                + (colour ? ' ' + toQColor(*colour).name() : QString());
    return words.join("; ");
}

} // namespace

class CommandLineTest final : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(workInNewFolder(m_dir)); }

    void answersArguments_data()
    {
        // Help and version on standard output; a bad argument in one line on standard error, status 2.
        addRows<Answer>({
            {"help", {{"--help"}, 0, "--until-closed"}},
            {"version", {{"-v"}, 0, "volvenda-render 1.00\n"}},
            {"junk after a radius", {{"-o", "kept.png", "3x", "33", "40"}, 2, "R1 is not a number: '3x'"}},
            {"a group separator, no part of a radius", {{"-o", "kept.png", "1,000", "1", "1"}, 2, "'1,000'"}},
            {"radius beyond double", {{"-o", "kept.png", "120", "33", "1e400"}, 2, "R3 is out of range"}},
            {"output without a value", {{"120", "33", "40", "-o"}, 2, "-o needs a value"}},
            {"colour too short", {{"--color=fff", "-o", "kept.png", "1", "2", "3"}, 2, "'fff'"}},
            {"seed too large", {{"--seed", "4294967296", "-o", "kept.png", "1", "2", "3"}, 2, "4294967296"}},
            {"scale seventeen", {{"--scale=17", "-o", "kept.png", "1", "2", "3"}, 2, "'17'"}},
            {"scale for SVG", {{"--scale", "2", "-o", "kept.svg", "1", "2", "3"}, 2, "--scale applies to PNG"}},
            {"switch with a value", {{"--until-closed=yes", "-o", "kept.png", "1", "2", "3"}, 2, "--until-closed"}},
            // What a terminal would act on is shown escaped.
            {"escape sequence in a radius",
                {{"-o", "kept.png", "1", "\x1b[2J", "3"}, 2, "R2 is not a number: '\\x1b[2J'"}},
            {"newline in an option", {{"--colour\nred", "-o", "kept.png", "1", "2", "3"}, 2, "'--colour\\nred'"}},
            {"bell after the suffix", {{"-o", "kept.png\a", "1", "2", "3"}, 2, "'kept.png\\x07'"}},
            // Invisible at the start of a name, yet part of it (and lost by QString::fromUtf8).
            {"byte-order mark before the name",
                {{"-o", QStringLiteral("\ufeffkept.jpg"), "1", "2", "3"}, 2, "'\\ufeffkept.jpg'"}},
            {"hidden reversal in a seed", {{"--seed", "1\u202e2", "-o", "kept.png", "1", "2", "3"}, 2, "'1\\u202e2'"}},
            {"a still GIF", {{"-o", "kept.gif", "1", "2", "3"}, 2, "give --animate SECONDS"}},
            {"animation too quick", {{"--animate=0.09", "-o", "kept.svg", "1", "2", "3"}, 2, "not '0.09'"}},
            {"animation with an exponent", {{"--animate", "1e1", "-o", "kept.svg", "1", "2", "3"}, 2, "'1e1'"}},
            {"animation too long", {{"--animate", "3600.01", "-o", "kept.svg", "1", "2", "3"}, 2, "not '3600.01'"}},
            {"margin too wide", {{"--fit=1001", "-o", "kept.png", "1", "2", "3"}, 2, "1000, not '1001'"}},
            {"loop without animation", {{"--loop", "-o", "kept.svg", "1", "2", "3"}, 2, "it needs --animate"}},
            {"a runs file of no runs", {{"--runs", "kept.svg", "-o", "kept.png"}, 2, ": line 1 of 'kept.svg': R1 "}},
            {"a folder for runs", {{"--runs", ".", "-o", "kept.png"}, 2, ": cannot read '.': Is a directory"}},
            // A plotter's page: SVG, still, sized in millimetres, with room inside its margins.
            {"page as PNG", {{"--page", "A4", "-o", "kept.png", "1", "2", "3"}, 2, "--page applies to SVG output"}},
            {"page and fit", {{"--page", "A4", "--fit", "0", "-o", "kept.svg", "1", "2", "3"}, 2, "takes no --fit"}},
            {"page and scale 1", {{"--scale=1", "--page=A4", "-o", "kept.svg", "1", "2", "3"}, 2, "takes no --scale"}},
            {"page and animation",
                {{"--page", "A3", "--animate", "2", "-o", "kept.svg", "1", "2", "3"}, 2, "no --animate"}},
            {"page of no height", {{"--page", "210x0", "-o", "kept.svg", "1", "2", "3"}, 2, "not '210x0'"}},
            {"page longer than 5 m",
                {{"--page", "100x5000.1", "-o", "kept.svg", "1", "2", "3"}, 2, "not '100x5000.1'"}},
            {"page of three sides", {{"--page", "10x10x10", "-o", "kept.svg", "1", "2", "3"}, 2, "not '10x10x10'"}},
            {"margins leaving 3.7 mm",
                {{"--page", "A5", "--margin", "72", "-o", "kept.svg", "1", "2", "3"}, 2,
                    "leave 3.7 mm of the 148 x 210 mm page"}},
            {"pen of 0", {{"--page", "A4", "--pen", "0", "-o", "kept.svg", "1", "2", "3"}, 2, "not '0'"}},
            {"margin without a page", {{"--margin", "10", "-o", "kept.svg", "1", "2", "3"}, 2, "it needs --page"}},
            {"page with nothing on the canvas",
                {{"--page", "A4", "--no-reference", "-o", "kept.svg", "900", "1", "1"}, 1, "the page would be blank"}},
        });
    }

    void answersArguments()
    {
        QFETCH(Answer, row);
        checkAnswerKeepsTheFiles(row);
    }

    void refusesInTheUsersLanguageAndCharset_data()
    {
        // The refusal's bytes: in a set other than UTF-8 as that set has the words, or in English.
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QByteArray>("said");
        const auto row = [](const char *name, const QString &environment, const QByteArray &said) {
            QTest::newRow(name) << environment.split(' ') << said;
        };
        row("German", "LANG=de_DE.UTF-8", "--scale gilt nur für PNG- und GIF-Ausgabe (siehe --help)");
        row("French", "LANG=fr_FR.UTF-8", "--scale ne s’applique qu’à une sortie PNG ou GIF (voir --help)");
        row("Spanish", "LANG=es_ES.UTF-8", "--scale solo se aplica a la salida PNG o GIF (consulte --help)");
        row("Russian", "LANG=ru_RU.UTF-8", "--scale действует только для вывода в PNG и GIF (см. --help)");
        row("Japanese", "LANG=ja_JP.UTF-8", "--scale は PNG 出力と GIF 出力にだけ使えます (--help を参照)");
        // "действует", "は PNG 出力" and "qu'à" as these sets write them.
        row("Russian in KOI8-R", "LANG=ru_RU.KOI8-R", "--scale \xc4\xc5\xca\xd3\xd4\xd7\xd5\xc5\xd4 ");
        row("Japanese in EUC-JP", "LANG=ja_JP.EUC-JP", "--scale \xa4\xcf PNG \xbd\xd0\xce\xcf");
        row("French in ISO-8859-1, ’ as '", "LANG=fr_FR.ISO-8859-1", "--scale ne s'applique qu'\xe0 une");
        row("German in KOI8-R: the text with ü in English, the one round it in German", "LANG=ru_RU.KOI8-R LANGUAGE=de",
            "--scale applies to PNG and GIF output only (siehe --help)");
    }
    void refusesInTheUsersLanguageAndCharset()
    {
        QFETCH(QStringList, environment);
        QFETCH(QByteArray, said);
        const QByteArray locale = environment.constFirst().section(u'=', 1).toLatin1();
        if (!locale.endsWith("UTF-8") && !std::setlocale(LC_CTYPE, locale.constData()))
            QSKIP("the locale is not installed here");
        std::setlocale(LC_CTYPE, "C.UTF-8");
        QProcess process;
        process.setEnvironment(QStringList {"PATH=/usr/bin:/bin"} + environment);
        process.start(QStringLiteral(VOLVENDA_RENDER), {"--scale", "2", "-o", "kept.svg", "1", "2", "3"});
        QVERIFY(process.waitForFinished());
        QVERIFY2(process.readAllStandardError().startsWith("volvenda-render: " + said), qPrintable(said));
    }

    void readsRuns_data()
    {
        const QString notARun = QStringLiteral("line 1 of 'r': a run is R1 R2 R3 and maybe a colour RRGGBB, not ");
        addRows<Reading>({
            {"one run", {{"120", "33", "40"}, "120 33 40"}},
            {"no radii, no runs file", {{}, "three radii are needed, R1 R2 R3; 0 given"}},
            {"colours for the first runs, in order",
                {{"--color=000001", "1", "2", "3", "--color", "#0000AF", "-80", "20.5", "1e1", "4", "5", "6"},
                    "1 2 3 #000001; -80 20.5 10 #0000af; 4 5 6"}},
            {"a run short", {{"1", "2", "3", "4"}, "three radii are needed for each run, R1 R2 R3; 4 given"}},
            {"a bad radius, by its run", {{"1", "2", "3", "4", "x", "6"}, "R2 of run 2 is not a number: 'x'"}},
            {"more colours than runs",
                {{"--color", "ff0000", "--color", "00ff00", "--runs", "-", "1", "2", "3"},
                    "more colours than runs: --color given 2 times, for 1 run given as arguments; it colours only "
                    "those"}},
            {"seed past 64 bits, not wrapped", {{"--seed", "18446744073709551617", "1", "2", "3"}, "--seed takes a "}},
            {"two runs files", {{"--runs", "a", "--runs", "b", "1", "2", "3"}, "--runs is given once"}},
            {"more runs than the limit", {QStringList(3003, "1"), "1001 runs are more than the limit of 1000"}},
            {"file: comments, blank lines, CRLF and colours",
                {{"# R1 R2 R3 colour\r\n\r\n  120 33 40\r\n\t80 -45 3e1 #E08020\n#1 2 3\n"},
                    "120 33 40; 80 -45 30 #e08020", true}},
            {"file: a line short",
                {{"120 33 40\n1 2\n"}, "line 2 of 'r': a run is R1 R2 R3 and maybe a colour RRGGBB, not '1 2'", true}},
            {"file: a bad colour",
                {{"1 2 3 red"}, "line 1 of 'r': the colour takes six hex digits RRGGBB, not 'red'", true}},
            {"file: more than the room left",
                {{"1 2 3\n4 5 6"}, "line 2 of 'r': the runs are more than the limit of 1000", true, 1}},
            // Numbers at the edges of a double's range, and spellings of none.
            {"minus infinity, a radius refused as infinity is", {{"-inf", "1", "2"}, "R1 is not a number: '-inf'"}},
            {"minus not-a-number, in capitals", {{"1", "-NaN", "2"}, "R2 is not a number: '-NaN'"}},
            {"too small for a double", {{"1", "2", "1e-400"}, "R3 is out of range: '1e-400'"}},
            {"zero, minus zero and zero with a tiny exponent, all zero", {{"0", "-0", "0e-400"}, "0 0 0"}},
            // Runs files as editors write them, and their lines as a terminal shows them.
            {"file: a byte-order mark first", {{QStringLiteral("\ufeff120 33 40\n")}, "120 33 40", true}},
            {"file: lines ended by CR alone", {{"1 2 3\r4 5 6\r"}, "1 2 3; 4 5 6", true}},
            {"file: CR alone, counted", {{"1 2 3\r\r4 5 6\r1 2 x"}, "line 4 of 'r': R3 is not a number: 'x'", true}},
            {"file: CRLF, counted", {{"1 2 3\r\n\r\n4 5 6\n1 2 x"}, "line 4 of 'r': R3 is not a number: 'x'", true}},
            {"file: no-break space", {{QStringLiteral("120\u00a033 40")}, notARun + "'120\\u00a033 40'", true}},
            {"file: ideographic space", {{QStringLiteral("120 33\u300040")}, notARun + "'120 33\\u300040'", true}},
            {"file: long line, cut", {{QString(5000, u'x')}, notARun + "'" + QString(80, u'x') + "\u2026'", true}},
        });
    }
    void readsRuns()
    {
        QFETCH(Reading, row);
        QList<QByteArray> arguments {"-o", "a.svg"};
        for (const QString &argument : row.given)
            arguments << argument.toUtf8();
        std::vector<Run> runs;
        const std::optional<RuntimeError> refusal = failureOf([&] {
            runs = row.file ? parseRuns(arguments.back(), "'r'", row.room).runs
                            : parseCommandLine(arguments).options.runs;
        });
        // A refusal as far as the row gives it.
        QCOMPARE(refusal ? refusal->errorText().left(row.runs.size()) : spelled(runs), row.runs);
    }

    void keepsTheExactOutputName()
    {
        // Read any other way, "\xff.png" would name another file. QProcess
        // passes only text, so the shell makes the byte.
        QProcess process;
        process.start("sh", {"-c", "exec \"$0\" -o \"$(printf '\\377.png')\" 1 2 3", VOLVENDA_RENDER});
        QVERIFY(process.waitForFinished(60'000));
        QCOMPARE(process.readAllStandardError(),
            "volvenda-render: the output file's name is not UTF-8 text: '\\xff.png' (see --help)\n");
        QVERIFY(QDir().isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
    }

    void reportsFailedStandardOutput()
    {
        // As the window program's (one writer for both): here with standard output closed.
        QProcess process;
        process.start("sh", {"-c", "exec \"$0\" --version >&-", VOLVENDA_RENDER});
        QVERIFY(process.waitForFinished(60'000));
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
            "volvenda-render: cannot write to standard output: " + systemReason(EBADF) + "\n");
    }

private:
    std::optional<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
