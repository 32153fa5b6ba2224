#include "support/renderer.h"

#include <cerrno>

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
            {"two radii", {{"-o", "kept.png", "120", "33"}, 2, "R1 R2 R3; 2 given"}},
            {"output without a value", {{"120", "33", "40", "-o"}, 2, "-o needs a value"}},
            {"colour without a value", {{"-o", "kept.png", "120", "33", "40", "--color"}, 2, "--color needs a value"}},
            {"unknown option", {{"--colour", "ff0000", "-o", "kept.png", "1", "2", "3"}, 2, "--colour"}},
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
            {"animated PNG", {{"--animate", "2", "-o", "kept.png", "1", "2", "3"}, 2, "--animate applies to SVG"}},
            {"animation too quick", {{"--animate=0.09", "-o", "kept.svg", "1", "2", "3"}, 2, "not '0.09'"}},
            {"animation with an exponent", {{"--animate", "1e1", "-o", "kept.svg", "1", "2", "3"}, 2, "'1e1'"}},
            {"animation too long", {{"--animate", "3600.01", "-o", "kept.svg", "1", "2", "3"}, 2, "not '3600.01'"}},
            {"margin too wide", {{"--fit=1001", "-o", "kept.png", "1", "2", "3"}, 2, "1000, not '1001'"}},
            {"loop without animation", {{"--loop", "-o", "kept.svg", "1", "2", "3"}, 2, "it needs --animate"}},
        });
    }
    void answersArguments()
    {
        QFETCH(Answer, row);
        checkAnswerKeepsTheFiles(row);
    }

    void keepsTheExactOutputName()
    {
        // Read any other way, "\xff.png" would name another file. QProcess
        // passes only text, so the shell makes the byte.
        QProcess process;
        process.start("sh", {"-c", "exec \"$0\" -o \"$(printf '\\377.png')\" 1 2 3", VOLVENDA_RENDER});
        QVERIFY(process.waitForFinished(60'000));
        QCOMPARE(process.exitCode(), 2);
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
