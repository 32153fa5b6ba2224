#include "support/cases.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

// The window program's command line, run as a user runs it, without a display.
class ProgramOptionsTest final : public QObject
{
    Q_OBJECT

private slots:
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");
        const QString hint = "volvenda: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is "
                             "set); to run it on a virtual X server: sudo apt-get install xvfb xauth && xvfb-run -a "
            + QFileInfo(VOLVENDA_WINDOW).canonicalFilePath();
        QTest::newRow("--version") << QStringList {"--version"} << 0 << "volvenda 1.00\n";
        const QString cannot = "volvenda: cannot write to standard output: ";
        QTest::newRow("--version to a full disk")
            << QStringList {"--version", ">/dev/full"} << 1 << cannot + systemReason(ENOSPC) + "\n";
        QTest::newRow("--help to a closed output")
            << QStringList {"--help", ">&-"} << 1 << cannot + systemReason(EBADF) + "\n";
        QTest::newRow("-h among Qt's") << QStringList {"-style", "fusion", "-h"} << 0
                                       << "Usage: volvenda [options] [FILE]";
        QTest::newRow("unknown, one line") << QStringList {"-frob"} << 2 << "volvenda: Unknown option 'frob'. Try";
        QTest::newRow("two runs files") << QStringList {"a.volvenda", "b.volvenda"} << 2
                                        << "volvenda: Unexpected argument 'b.volvenda'. Try";
        QTest::newRow("no display, no arguments") << QStringList {} << 1 << hint + "\n";
        QTest::newRow("no display: the real path, quoted for a shell")
            << QStringList {"-style", "it's"} << 1 << hint + " -style 'it'\\''s'\n";
        // Under a limit of address space that leaves too little, before the
        // toolkit fails: room for a helper's stack per processor counts, and
        // a thread's default stack is 4 GB here.
        QTest::newRow("too little memory") << QStringList {"ulimit -s 4194304; ulimit -v 2097152;", "-platform",
            "offscreen"} << 1 << "volvenda: Out of memory: the window needs about ";
        QTest::newRow("past the display check, -display for Qt")
            << QStringList {"-display", ":9876"} << -1 << "qt.qpa.xcb: could not connect to display :9876";
        QTest::newRow("past the display check, -platform for Qt") << QStringList {
            "-platform", "none"} << -1 << "qt.qpa.plugin: Could not find the Qt platform plugin \"none\"";
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, output);
        // Without a display; a last argument such as ">&-" redirects standard
        // output, and a first one such as "ulimit …;" sets limits.
        const QString redirect
            = !arguments.isEmpty() && arguments.constLast().startsWith(u'>') ? arguments.takeLast() : QString();
        const QString limits
            = !arguments.isEmpty() && arguments.constFirst().startsWith("ulimit") ? arguments.takeFirst() : QString();
        if (!limits.isEmpty() && UnderAddressSanitizer)
            QSKIP("the address sanitizer reserves more address space than the limit");
        // A runtime folder of its own, of which the toolkit would otherwise warn first.
        QTemporaryDir runtime;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        QProcess volvenda;
        volvenda.setProcessEnvironment(environment);
        volvenda.start("sh",
            QStringList {"-c", limits + "exec env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \"$@\" " + redirect,
                "sh", VOLVENDA_WINDOW}
                + arguments);
        QVERIFY(volvenda.waitForFinished(60'000));
        const QString shown = volvenda.readAllStandardOutput() + volvenda.readAllStandardError();
        QVERIFY2(shown.startsWith(output) && (status != 2 || shown.count('\n') == 1), qPrintable(shown));
        // Help lists the toolkit's options worth knowing, not the obscure ones.
        if (output.startsWith("Usage"))
            QVERIFY(shown.contains("Draws epitrochoids") && shown.contains("-platform <name[:options]>")
                && !shown.contains("-sync"));
        QCOMPARE(volvenda.exitStatus() == QProcess::CrashExit ? -1 : volvenda.exitCode(), status);
    }
};

QTEST_MAIN(ProgramOptionsTest)
#include "tst_program_options.moc"
