#include "support/cases.h"
#include "support/pictures.h"

#include "render/measuring.h"
#include "render/planning.h"
#include "render/progress.h"

#include <QDir>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cerrno>
#include <cmath>
#include <numbers>
#include <optional>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace volvenda;

namespace {

struct Result
{
    int status = -1;
    QString out;
    QString err;
};

// Runs the renderer as a user would, without a display.
Result render(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VOLVENDA_RENDER), arguments);
    if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
        QString::fromUtf8(process.readAllStandardError())};
}

// Arguments, the exit status they give and a part of the message.
struct Answer
{
    QStringList arguments;
    int status = 0;
    QString message;
};

// Options, the timing they give, and the percentage of a round by which all is drawn.
struct Animation
{
    QStringList animation;
    QStringList picture;
    QString timing;
    double drawnBy = 100.0;
};

} // namespace

class RenderTest final : public QObject
{
    Q_OBJECT

private slots:
    // Every test and row works in a new, empty folder, where the renderer writes too.
    void init()
    {
        m_dir.emplace();
        QVERIFY(m_dir->isValid() && QDir::setCurrent(m_dir->path()));
    }

    void answersWithoutTouchingTheFile_data()
    {
        // Help and version on standard output; a bad argument (status 2) or a
        // run-time error (status 1) in one line on standard error.
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
            // What a terminal would act on is shown escaped.
            {"escape sequence in a radius",
                {{"-o", "kept.png", "1", "\x1b[2J", "3"}, 2, "R2 is not a number: '\\x1b[2J'"}},
            {"newline in an option", {{"--colour\nred", "-o", "kept.png", "1", "2", "3"}, 2, "'--colour\\nred'"}},
            {"bell after the suffix", {{"-o", "kept.png\a", "1", "2", "3"}, 2, "'kept.png\\x07'"}},
            // Invisible at the start of a name, yet part of it (and lost by QString::fromUtf8).
            {"byte-order mark before the name",
                {{"-o", QStringLiteral("\ufeffkept.jpg"), "1", "2", "3"}, 2, "'\\ufeffkept.jpg'"}},
            {"hidden reversal in a seed", {{"--seed", "1\u202e2", "-o", "kept.png", "1", "2", "3"}, 2, "'1\\u202e2'"}},
            {"R1 that reads as 0, closed",
                {{"-o", "kept.png", "--until-closed", "1e-400", "1", "40"}, 1, ": Division by zero\n"}},
            {"a million long chords",
                {{"-o", "kept.png", "--until-closed", "0.39787", "4.60176", "200"}, 1,
                    "; without --until-closed the curve stops sooner\n"}},
            {"a million steps at scale 16",
                {{"-o", "kept.png", "--until-closed", "--scale", "16", "39.788", "0.001", "210"}, 1,
                    ": drawing this curve at scale 16 means sweeping about 20.2 billion pixels, more than the limit "
                    "of 1 billion; a lower --scale takes less\n"}},
            {"animated PNG", {{"--animate", "2", "-o", "kept.png", "1", "2", "3"}, 2, "--animate applies to SVG"}},
            {"animation too quick", {{"--animate=0.09", "-o", "kept.svg", "1", "2", "3"}, 2, "not '0.09'"}},
            {"animation with an exponent", {{"--animate", "1e1", "-o", "kept.svg", "1", "2", "3"}, 2, "'1e1'"}},
            {"animation too long", {{"--animate", "3600.01", "-o", "kept.svg", "1", "2", "3"}, 2, "not '3600.01'"}},
            {"margin too wide", {{"--fit=1001", "-o", "kept.png", "1", "2", "3"}, 2, "1000, not '1001'"}},
            {"loop without animation", {{"--loop", "-o", "kept.svg", "1", "2", "3"}, 2, "it needs --animate"}},
            {"nothing on the canvas to fit",
                {{"--fit", "0", "--no-reference", "-o", "kept.svg", "1000", "1", "1"}, 1,
                    ": nothing of this picture lands on the canvas, so --fit has nothing to cut it to\n"}},
            {"fitted picture too large at scale 16",
                {{"--fit", "1000", "--scale", "16", "-o", "kept.png", "120", "33", "40"}, 1,
                    ": the picture at scale 16 would be 38,208 x 38,208 pixels, more than the limit of 45.6 million "
                    "pixels"}},
        });
    }
    void answersWithoutTouchingTheFile()
    {
        QFETCH(Answer, row);
        for (const char *name : {"kept.png", "kept.svg"}) {
            QVERIFY(writeEarlier(QString::fromLatin1(name)));
        }
        QCOMPARE(::mkfifo("pipe.png", 0600), 0);
        const Result result = render(row.arguments);
        QCOMPARE(result.status, row.status);
        const QString &answer = row.status == 0 ? result.out : result.err;
        QVERIFY2(answer.contains(row.message), qPrintable(answer));
        if (row.status != 0)
            QVERIFY2(
                answer.startsWith(QLatin1String("volvenda-render: ")) && answer.count(u'\n') == 1, qPrintable(answer));
        // An earlier picture under the name is kept as it was, and nothing else is written.
        QCOMPARE(contents(QStringLiteral("kept.png")), QByteArray("an earlier picture"));
        QCOMPARE(contents(QStringLiteral("kept.svg")), QByteArray("an earlier picture"));
        QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
            (QStringList {"kept.png", "kept.svg", "pipe.png"}));
    }

    void reportsRunningOutOfMemory_data()
    {
        // Limits of address space from too little for the picture to enough,
        // in MB, and the picture: PNG at scale 16 takes 137 MB for its
        // pixels, the SVG a million steps.
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QList<int>>("limits");
        QTest::newRow("PNG") << QStringList {"-o", "kept.png", "--scale", "16", "120", "33", "40"}
                             << QList<int> {150, 200, 215, 220, 225, 230, 260, 300};
        QTest::newRow("SVG") << QStringList {"-o", "kept.svg", "--until-closed", "39.788", "0.001", "210"}
                             << QList<int> {90, 120, 140, 160, 200};
    }
    void reportsRunningOutOfMemory()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QList<int>, limits);
        if (underAddressSanitizer)
            QSKIP("the address sanitizer reserves more address space than the limit");
        QStringList outcomes;
        for (const int megabytes : limits) {
            QVERIFY(writeEarlier(arguments[1]));
            QProcess process;
            process.setChildProcessModifier([megabytes] {
                const rlimit limit {rlim_t(megabytes) << 20U, rlim_t(megabytes) << 20U};
                ::setrlimit(RLIMIT_AS, &limit);
            });
            process.start(QStringLiteral(VOLVENDA_RENDER), arguments);
            // Within seconds: written whole, or out of memory with the earlier file kept.
            QVERIFY2(process.waitForFinished(30'000), qPrintable(QString::number(megabytes)));
            const QByteArray error = process.readAllStandardError();
            const QByteArray written = contents(arguments[1]);
            const bool whole = written.startsWith("\x89PNG") || written.endsWith("</svg>\n");
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

    void picturesAreTheWindows_data()
    {
        // Radii and options, the scale of the PNG, and the turns of 2 pi after
        // which the curve closes, for --until-closed: it closes on its first point.
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("turns");
        QTest::newRow("default fields") << QStringList {"120", "33", "40"} << 1 << 0;
        QTest::newRow("negative R1, fractions, no reference")
            << QStringList {"--no-reference", "-100.5", "20.25", "60"} << 1 << 0;
        QTest::newRow("eight times as fine") << QStringList {"120", "33", "40"} << 8 << 0;
        QTest::newRow("closed, 40 / 11") << QStringList {"--until-closed", "120", "33", "40"} << 2 << 40;
        QTest::newRow("closed, decimals 5 / 3") << QStringList {"--until-closed", "2.5", "1.5", "1"} << 1 << 5;
        QTest::newRow("closed, negative R1") << QStringList {"--until-closed", "-80", "33", "40"} << 1 << 80;
        QTest::newRow("closed, R2 reads as 0") << QStringList {"--until-closed", "120", "1e-400", "40"} << 1 << 1;
        // Beyond 17 digits the typed text and the drawn value part ways: it closes as drawn.
        QTest::newRow("closed, more digits than a double holds")
            << QStringList {"--until-closed", "1.000000000000000000000001", "3", "1"} << 1 << 1;
    }
    void picturesAreTheWindows()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, scale);
        QFETCH(int, turns);
        const QStringList options {"--color", "1f6fd1", "--scale", QString::number(scale)};
        for (const QString &name : {QStringLiteral("curve.png"), QStringLiteral("curve.svg")})
            QCOMPARE(
                render(QStringList {"-o", name} + options.mid(0, name.endsWith("png") ? 4 : 2) + arguments).err, "");

        // The window's picture after start-up with R1 and one Start, or traced on until it closes.
        const double R1 = arguments.at(arguments.size() - 3).toDouble();
        QPolygonF curve = epitrochoid(R1, arguments.at(arguments.size() - 2).toDouble(), arguments.back().toDouble(),
            turns > 0 ? 2 * std::numbers::pi * turns : 201.06176);
        if (turns > 0)
            curve << curve.front();
        const QColor blue(0x1f, 0x6f, 0xd1);
        const double reference = arguments.contains(QStringLiteral("--no-reference")) ? 0 : std::fabs(R1);
        QImage png(QStringLiteral("curve.png"));
        QCOMPARE(png.dotsPerMeterX(), qRound(96 / 0.0254 * scale));
        png.setDevicePixelRatio(scale);
        QCOMPARE(differences(png.convertToFormat(QImage::Format_RGB32), {reference, {{curve, blue}}}), QString());
        const SvgDrawing svg = readSvg(contents(QStringLiteral("curve.svg")));
        QCOMPARE(svg.paths, (QList {std::pair(curve, blue)}));
        QCOMPARE(svg.circles, reference > 0 ? QList<double> {reference} : QList<double>());
    }

    void svgIsAStandaloneDocument()
    {
        for (const char *name : {"curve.svg", "again.svg"})
            QCOMPARE(render({"-o", name, "--seed", "7", "120", "33", "40"}).status, 0);
        // The same seed gives the same colour, so the same file.
        const QString svg = QString::fromUtf8(contents(QStringLiteral("curve.svg")));
        QCOMPARE(contents(QStringLiteral("again.svg")), svg.toUtf8());
        // Browsers only draw it with its namespace.
        QVERIFY(svg.startsWith(QLatin1String("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://"
                                             "www.w3.org/2000/svg\" version=\"1.1\" width=\"400\" height=\"445\"")));
        QVERIFY(svg.contains(QLatin1String("<rect width=\"400\" height=\"445\" fill=\"#ffffff\"/>")));
        QVERIFY(svg.contains(QLatin1String(
            "<circle cx=\"200\" cy=\"250\" r=\"120\" fill=\"none\" stroke=\"#646464\" stroke-width=\"1\"")));
        QVERIFY(
            svg.contains(QLatin1String("\" stroke-width=\"2\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/>")));
    }

    void fitCutsThePictureToWhatIsDrawn_data()
    {
        QTest::addColumn<QStringList>("picture");
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("margin");
        QTest::newRow("the window's curve, no margin") << QStringList {"120", "33", "40"} << 1 << 0;
        QTest::newRow("closed, at scale 2") << QStringList {"--until-closed", "120", "33", "40"} << 2 << 8;
        QTest::newRow("cut by the canvas, margin beyond it") << QStringList {"150", "40", "60"} << 1 << 20;
        QTest::newRow("reference circle cut by the canvas") << QStringList {"300", "-299", "1"} << 3 << 2;
    }
    void fitCutsThePictureToWhatIsDrawn()
    {
        QFETCH(QStringList, picture);
        QFETCH(int, scale);
        QFETCH(int, margin);
        const QStringList fit {"--fit", QString::number(margin)};
        picture = QStringList {"--seed", "3"} + picture;
        const QStringList png = QStringList {"--scale", QString::number(scale)} + picture;
        QCOMPARE(render(QStringList {"-o", "whole.png"} + png).status, 0);
        QCOMPARE(render(QStringList {"-o", "cut.png"} + fit + png).status, 0);
        QCOMPARE(render(QStringList {"-o", "cut.svg"} + fit + picture).status, 0);
        const QImage whole = QImage(QStringLiteral("whole.png")).convertToFormat(QImage::Format_RGB32);
        const QImage cut = QImage(QStringLiteral("cut.png")).convertToFormat(QImage::Format_RGB32);
        // The margin on every side of what is drawn, and at most a pixel more
        // where a stroke covers only part of its outermost pixel.
        const auto inkOf = [](const QImage &image) {
            QRect ink;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    ink |= painted(image, x, y) ? QRect(x, y, 1, 1) : QRect();
            return ink;
        };
        const QRect wholeInk = inkOf(whole);
        const QRect ink = inkOf(cut);
        QCOMPARE(ink.size(), wholeInk.size());
        for (const int side : {ink.left(), ink.top(), cut.width() - 1 - ink.right(), cut.height() - 1 - ink.bottom()})
            QVERIFY2(side >= margin * scale && side <= (margin + 1) * scale, qPrintable(QString::number(side)));
        // The pixels of the window's canvas there, and the background beyond it.
        const QPoint origin = wholeInk.topLeft() - ink.topLeft();
        QImage expected(cut.size(), QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter(&expected).drawImage(-origin, whole);
        QCOMPARE(cut, expected);
        // The SVG shows the same part of the canvas.
        const QString size = QString::asprintf("width=\"%d\" height=\"%d\" viewBox=\"%d %d ", cut.width() / scale,
            cut.height() / scale, origin.x() / scale, origin.y() / scale);
        QVERIFY(contents(QStringLiteral("cut.svg")).contains(size.toUtf8()));
    }

    void animationDrawsTheCurveInItsTime_data()
    {
        addRows<Animation>({
            {"the window's curve", {{"--animate", "4"}, {"120", "33", "40"}, "4s linear"}},
            {"closed, looped after a second",
                {{"--animate=2.5", "--loop"}, {"--until-closed", "120", "33", "40"}, "3.5s linear infinite",
                    100 * 2.5 / 3.5}},
            {"leaving the canvas and coming back", {{"--animate", "0.1"}, {"150", "40", "60"}, "0.1s linear"}},
            {"leaving far beyond the canvas", {{"--animate", "3600"}, {"2000", "1000", "3000"}, "3600s linear"}},
        });
    }
    void animationDrawsTheCurveInItsTime()
    {
        QFETCH(Animation, row);
        QCOMPARE(render(QStringList {"-o", "drawn.svg", "--seed", "5"} + row.animation + row.picture).status, 0);
        QCOMPARE(render(QStringList {"-o", "still.svg", "--seed", "5"} + row.picture).status, 0);
        const QString svg = QString::fromUtf8(contents(QStringLiteral("drawn.svg")));
        // As a viewer that does not animate shows it, it is the still picture.
        QCOMPARE(QString(svg).remove(QRegularExpression(
                     QStringLiteral("\\s*<style[^<]*</style>| class=\"[^\"]*\"| pathLength=\"[^\"]*\""))),
            QString::fromUtf8(contents(QStringLiteral("still.svg"))));
        // One animation, for the one path of the curve, however it leaves the canvas.
        const auto path
            = QRegularExpression(QStringLiteral("<path d=\"[^\"]*\" class=\"([^\"]*)\" pathLength=\"([^\"]*)\""))
                  .match(svg);
        QVERIFY(path.hasMatch() && svg.count("class=") == 1 && svg.indexOf("</style>") < 65536
            && svg.contains("@media (prefers-reduced-motion: reduce) { [class^=volvenda-draw-] { animation: none } }"));
        // A dash longer than the path (whole when still) is hidden, round cap
        // and all, then reaches the path's end just when the time is up.
        const QRegularExpressionMatch style = QRegularExpression(
            QStringLiteral("\\.%1 \\{ stroke-dasharray: (\\S+) \\1; animation: %1 ([^}]+) \\}\n"
                           "@keyframes %1 \\{ 0% \\{ stroke-dashoffset: (\\S+) \\} (\\S+)%(?:, 100%)? "
                           "\\{ stroke-dashoffset: (\\S+) \\} \\}")
                .arg(path.captured(1)))
                                                  .match(svg);
        QVERIFY(style.hasMatch());
        QCOMPARE(style.captured(2), row.timing);
        const QPolygonF points = readSvg(svg.toUtf8()).paths.value(0).first;
        double measured = 0;
        for (qsizetype i = 1; i < points.size(); ++i)
            measured += QLineF(points[i - 1], points[i]).length();
        const double length = path.captured(2).toDouble();
        QVERIFY2(std::abs(length / measured - 1) < 1e-6, qPrintable(path.captured(2)));
        const double dash = style.captured(1).toDouble();
        QVERIFY(dash > length && style.captured(3).toDouble() >= dash + 2);
        QVERIFY(std::abs(style.captured(4).toDouble() - row.drawnBy) < 1e-5);
        QVERIFY(std::abs(dash - style.captured(5).toDouble() - length) < 1e-3);
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
                 std::tuple(Radii {1000003, 1, 1}, 1, true, svg, false),
                 // Of a reference circle too large for the paint engine, only the arc across the canvas costs.
                 std::tuple(Radii {6000, 1, 1}, 16, false, png, true)}) {
            RenderOptions options;
            std::tie(options.R1, options.R2, options.R3) = std::tuple(radii.R1, radii.R2, radii.R3);
            std::tie(options.scale, options.untilClosed, options.format) = std::tuple(scale, closed, format);
            const PicturePlan plan = planPicture(options, 0);
            QCOMPARE(bool(plan.request), drawn);
            QCOMPARE(plan.refusal.isEmpty(), drawn);
            if (drawn && format == png)
                QVERIFY(rasterWork(*plan.request, scale) <= RasterWorkBudget);
        }
    }

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

private:
    std::optional<QTemporaryDir> m_dir;
};

QTEST_MAIN(RenderTest)
#include "tst_render.moc"
