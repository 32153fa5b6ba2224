#include "support/renderer.h"

#include "render/planning.h"

#include <cerrno>
#include <tuple>

#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace volvenda;

class RenderLimitsTest final : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(workInNewFolder(m_dir)); }

    void refusesBeforeAnyWork_data()
    {
        // A file that is no file to write (status 2), a run-time error or
        // more work than the limits allow (status 1): the earlier files kept.
        addRows<Answer>({
            {"missing folder", {{"-o", "no/such/x.png", "1", "2", "3"}, 2, "folder"}},
            {"R1 zero", {{"-o", "kept.svg", "0", "33", "40"}, 1, "volvenda-render: Division by zero\n"}},
            // Refused before any work: R1 = 0 would fail as soon as drawing starts.
            {"a pipe", {{"-o", "pipe.png", "0", "33", "40"}, 2, ": cannot write 'pipe.png': it is a named pipe\n"}},
            {"pen beyond single precision", {{"-o", "kept.png", "120", "33", "1e39"}, 1, ": Overflow\n"}},
            // 2 pi x 1000003 / 0.25 steps, and the closing one.
            {"closing takes too many steps",
                {{"-o", "kept.png", "--until-closed", "1000003", "1", "1"}, 1,
                    ": closing this curve needs 25,132,817 steps, more than the limit of 1,000,000\n"}},
            {"too many digits to close",
                {{"-o", "kept.svg", "--until-closed", "123456789012345678901", "1", "1"}, 1,
                    ": R1 and R2 have too many digits to work out where the curve closes\n"}},
            {"too small to bring to R2's scale",
                {{"-o", "kept.svg", "--until-closed", "1e-320", "3", "1"}, 1, "have too many digits"}},
            {"a million long chords",
                {{"-o", "kept.png", "--until-closed", "0.39787", "4.60176", "200"}, 1,
                    "; without --until-closed the curve stops sooner\n"}},
            {"a million steps at scale 16",
                {{"-o", "kept.png", "--until-closed", "--scale", "16", "39.788", "0.001", "210"}, 1,
                    ": drawing this curve at scale 16 means sweeping about 20.2 billion pixels, more than the limit "
                    "of 1 billion; a lower --scale takes less\n"}},
            {"nothing on the canvas to fit",
                {{"--fit", "0", "--no-reference", "-o", "kept.svg", "1000", "1", "1"}, 1,
                    ": nothing of this picture lands on the canvas, so --fit has nothing to cut it to\n"}},
            // Of several runs, the one that fails is named, and the steps count together.
            {"the second run of two",
                {{"-o", "kept.svg", "1", "2", "3", "0", "33", "40"}, 1,
                    ": run 2 (R1 0, R2 33, R3 40): Division by zero\n"}},
            {"two closings too long together",
                {{"-o", "kept.svg", "--until-closed", "20000", "1", "1", "20000", "1", "1"}, 1,
                    ": the 2 runs take 1,005,310 steps together"}},
            {"fitted picture too large at scale 16",
                {{"--fit", "1000", "--scale", "16", "-o", "kept.png", "120", "33", "40"}, 1,
                    ": the picture at scale 16 would be 38,208 x 38,208 pixels, more than the limit of 45.6 million "
                    "pixels"}},

        });
    }
    void refusesBeforeAnyWork()
    {
        QFETCH(Answer, row);
        checkAnswerKeepsTheFiles(row);
    }

    void reportsRunningOutOfMemory_data()
    {
        // Limits of address space from too little for the picture to enough,
        // in MB, and the picture: PNG at scale 16 takes 137 MB for its
        // pixels, the SVG a million steps, or 1000 runs from a runs file of
        // 1 MB, the most it may be, whose reading alone takes megabytes.
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QList<int>>("limits");
        QTest::newRow("PNG") << QStringList {"-o", "kept.png", "--scale", "16", "120", "33", "40"}
                             << QList<int> {150, 200, 215, 220, 225, 230, 260, 300};
        QTest::newRow("SVG") << QStringList {"-o", "kept.svg", "--until-closed", "39.788", "0.001", "210"}
                             << QList<int> {90, 120, 140, 160, 200};
        QTest::newRow("a large runs file into SVG") << QStringList {"-o", "kept.svg", "--seed", "1", "--runs",
            "runs.txt"} << QList<int> {64, 66, 68, 69, 70, 71, 120};
        QTest::newRow("many runs into an animated SVG") << QStringList {"-o", "kept.svg", "--animate", "9", "--loop",
            "--fit", "2", "--runs", "runs.txt"} << QList<int> {66, 68, 70, 72, 76, 90};
        QTest::newRow("an animated GIF at scale 16") << QStringList {"-o", "kept.gif", "--animate", "5", "--scale",
            "16", "120", "33", "40"} << QList<int> {150, 200, 215, 230, 300};
    }
    void reportsRunningOutOfMemory()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QList<int>, limits);
        if (UnderAddressSanitizer)
            QSKIP("the address sanitizer reserves more address space than the limit");
        QFile runs(QStringLiteral("runs.txt"));
        QVERIFY(runs.open(QIODevice::WriteOnly));
        for (int i = 0; i < 1000; ++i)
            runs.write("# " + QByteArray(1000, 'x')
                + QStringLiteral("\n%1 %2 %3\n").arg(100 + i % 50).arg(20 + i % 13).arg(30 + i % 40).toUtf8());
        runs.close();
        QStringList outcomes;
        for (const int megabytes : limits) {
            QVERIFY(writeEarlier(arguments[1]));
            const auto started = [megabytes](QProcess &process, const QStringList &given) {
                process.setChildProcessModifier([megabytes] {
                    const rlimit limit {rlim_t(megabytes) << 20U, rlim_t(megabytes) << 20U};
                    ::setrlimit(RLIMIT_AS, &limit);
                });
                process.start(QStringLiteral(VOLVENDA_RENDER), given);
                return process.waitForFinished(30'000);
            };
            // Too little to load the program and its libraries, or for the
            // toolkit's own start before ours: not yet a limit to test.
            QProcess version;
            if (!started(version, {QStringLiteral("--version")}) || version.exitCode() != 0)
                continue;
            QProcess process;
            // Within seconds: written whole, or out of memory with the earlier
            // file kept. (A picture had with no room left for the paint
            // engine's helper threads would hang here.)
            QVERIFY2(started(process, arguments), qPrintable(QString::number(megabytes)));
            const QByteArray error = process.readAllStandardError();
            const QByteArray written = contents(arguments[1]);
            const bool whole = written.startsWith("\x89PNG") || written.endsWith("</svg>\n")
                || (written.startsWith("GIF89a") && written.endsWith(";"));
            QVERIFY2(process.exitStatus() == QProcess::NormalExit
                    && (process.exitCode() == 0 ? whole
                                                : process.exitCode() == 1 && written == "an earlier picture"
                                && error.endsWith("volvenda-render: Out of memory\n")),
                qPrintable(QStringLiteral("%1 MB: %2").arg(megabytes).arg(QString::fromUtf8(error))));
            outcomes << (process.exitCode() == 0 ? "written" : "out of memory");
        }
        // The limits reach from too little to enough.
        QCOMPARE(outcomes.front(), QStringLiteral("out of memory"));
        QCOMPARE(outcomes.back(), QStringLiteral("written"));
    }

    void reportsWhatStopsTheWrite_data()
    {
        // The disk is full, or the file may be no larger than the limit (in bytes).
        QTest::addColumn<rlim_t>("sizeLimit");
        QTest::addColumn<int>("error");
        QTest::newRow("a full disk") << RLIM_INFINITY << ENOSPC;
        QTest::newRow("a file-size limit") << rlim_t(4096) << EFBIG;
    }
    void reportsWhatStopsTheWrite()
    {
        QFETCH(rlim_t, sizeLimit);
        QFETCH(int, error);
        QVERIFY(QDir().mkdir(QStringLiteral("full")));
        if (error == ENOSPC) {
            if (::geteuid() != 0)
                QSKIP("a small file system to fill needs root to mount");
            if (::mount("tmpfs", "full", "tmpfs", 0, "size=64k") != 0)
                QSKIP("tmpfs cannot be mounted here");
        }
        const auto unmount = qScopeGuard([error] {
            if (error == ENOSPC)
                ::umount("full");
        });
        QVERIFY(writeEarlier(QStringLiteral("full/kept.png")));
        for (const char *path : {"full/new.png", "full/kept.png"}) {
            QProcess process;
            process.setChildProcessModifier([sizeLimit] {
                const rlimit limit {sizeLimit, sizeLimit};
                ::setrlimit(RLIMIT_FSIZE, &limit);
            });
            process.start(QStringLiteral(VOLVENDA_RENDER), {"-o", path, "--scale", "16", "120", "33", "40"});
            QVERIFY(process.waitForFinished(60'000));
            QCOMPARE(process.exitStatus(), QProcess::NormalExit);
            QCOMPARE(process.exitCode(), 1);
            // The system's reason, and nothing from the PNG library.
            QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
                QStringLiteral("volvenda-render: cannot write '%1': %2\n").arg(path, systemReason(error)));
        }
        QCOMPARE(contents(QStringLiteral("full/kept.png")), QByteArray("an earlier picture"));
        QCOMPARE(QDir(QStringLiteral("full")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList {"kept.png"});
    }
    void boundsTheWork()
    {
        // Radii, scale, whether traced until closed and the format; whether
        // drawn at all. The pen of the long chords crosses the picture at every step.
        const Radii window {120, 33, 40};
        const Radii shortSteps {39.788, 0.001, 210};
        const Radii longChords {0.39787, 4.60176, 200};
        const PictureFormat png = PictureFormat::Png;
        const PictureFormat svg = PictureFormat::Svg;
        for (const auto &[radii, scale, closed, format, drawn] : {std::tuple(window, 16, false, png, true),
                 std::tuple(window, 16, true, png, true), std::tuple(shortSteps, 1, true, png, true),
                 std::tuple(shortSteps, 2, true, png, false), std::tuple(longChords, 1, true, png, false),
                 std::tuple(longChords, 1, true, svg, true), std::tuple(Radii {0.155, 1.793, 200}, 16, true, png, true),
                 // Of a reference circle too large for the paint engine, only the arc across the canvas costs.
                 std::tuple(Radii {6000, 1, 1}, 16, false, png, true)}) {
            RenderOptions options;
            options.runs = {Run {radii, std::nullopt}};
            std::tie(options.scale, options.untilClosed, options.format) = std::tuple(scale, closed, format);
            QCOMPARE(errorKindOf([&] { std::ignore = planPicture(options, {0}); }),
                drawn ? std::nullopt : std::optional(ErrorKind::WorkRefused));
        }
    }

private:
    std::optional<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(RenderLimitsTest)
#include "tst_render_limits.moc"
