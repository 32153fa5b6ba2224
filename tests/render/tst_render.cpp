#include "support/cases.h"
#include "support/pictures.h"

#include "render/progress.h"
#include "render/render.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <optional>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace volvenda;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool underAddressSanitizer = true;
#elif defined(__has_feature)
constexpr bool underAddressSanitizer = __has_feature(address_sanitizer);
#else
constexpr bool underAddressSanitizer = false;
#endif

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

// Runs the renderer with arguments as raw bytes, which QProcess cannot pass:
// it encodes its arguments as UTF-8.
Result renderBytes(const QList<QByteArray> &arguments)
{
    int pipes[2];
    if (::pipe(pipes) != 0)
        return {};
    std::vector<QByteArray> owned {QByteArray(VOLVENDA_RENDER)};
    owned.insert(owned.end(), arguments.begin(), arguments.end());
    std::vector<char *> argv;
    argv.reserve(owned.size() + 1);
    for (QByteArray &argument : owned)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipes[1], STDERR_FILENO);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(pipes[1]);
    QByteArray err;
    char buffer[4096];
    for (ssize_t got = 0; (got = ::read(pipes[0], buffer, sizeof buffer)) > 0;)
        err.append(buffer, got);
    ::close(pipes[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, QString(), QString::fromLatin1(err)};
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The vertices of the one path of an SVG file, in order.
QList<QPointF> pathPoints(const QString &path)
{
    QList<QPointF> points;
    const QString data = QString::fromUtf8(contents(path)).section(QLatin1String("<path d=\""), 1).section(u'"', 0, 0);
    for (const QString &vertex : data.split(u' ', Qt::SkipEmptyParts))
        points << QPointF(vertex.mid(1).section(u',', 0, 0).toDouble(), vertex.section(u',', 1).toDouble());
    return points;
}

// Arguments, the exit status they give and a part of the message.
struct Answer
{
    QStringList arguments;
    int status = 0;
    QString message;
};

// Options for a picture, and whether the work it takes is within bounds.
struct Work
{
    QList<double> radii;
    int scale = 1;
    bool closed = false;
    ImageFormat format = ImageFormat::Png;
    bool drawn = false;
};

// Options, and the timing they give, with the percentage of a round by which all is drawn.
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
            {"radius beyond double", {{"-o", "kept.png", "120", "33", "1e400"}, 2, "R3 is out of range"}},
            {"two radii", {{"-o", "kept.png", "120", "33"}, 2, "R1 R2 R3; 2 given"}},
            {"output without a value", {{"120", "33", "40", "-o"}, 2, "-o needs a value"}},
            {"unknown format", {{"-o", "x.jpg", "120", "33", "40"}, 2, "x.jpg"}},
            {"unknown option", {{"--colour", "ff0000", "-o", "kept.png", "1", "2", "3"}, 2, "--colour"}},
            {"colour too short", {{"--color=fff", "-o", "kept.png", "1", "2", "3"}, 2, "'fff'"}},
            {"seed too large", {{"--seed", "4294967296", "-o", "kept.png", "1", "2", "3"}, 2, "4294967296"}},
            {"scale seventeen", {{"--scale=17", "-o", "kept.png", "1", "2", "3"}, 2, "'17'"}},
            {"scale for SVG", {{"--scale", "2", "-o", "kept.svg", "1", "2", "3"}, 2, "--scale applies to PNG"}},
            {"switch with a value", {{"--until-closed=yes", "-o", "kept.png", "1", "2", "3"}, 2, "--until-closed"}},
            {"missing folder", {{"-o", "no/such/x.png", "1", "2", "3"}, 2, "folder"}},
            {"R1 zero", {{"-o", "kept.svg", "0", "33", "40"}, 1, "volvenda-render: Division by zero\n"}},
            {"pen beyond single precision", {{"-o", "kept.png", "120", "33", "1e39"}, 1, ": Overflow\n"}},
            // 2 pi x 1000003 / 0.25 steps, and the closing one.
            {"closing takes too many steps",
                {{"-o", "kept.png", "--until-closed", "1000003", "1", "1"}, 1,
                    ": closing this curve needs 25,132,817 steps, more than the limit of 1,000,000\n"}},
            {"too many digits to close",
                {{"-o", "kept.svg", "--until-closed", "123456789012345678901", "1", "1"}, 1,
                    ": R1 and R2 have too many digits to work out where the curve closes\n"}},
            // What a terminal would act on is shown escaped.
            {"escape sequence in a radius",
                {{"-o", "kept.png", "1", "\x1b[2J", "3"}, 2, "R2 is not a number: '\\x1b[2J'"}},
            {"newline in an option", {{"--colour\nred", "-o", "kept.png", "1", "2", "3"}, 2, "'--colour\\nred'"}},
            {"bell after the suffix", {{"-o", "kept.png\a", "1", "2", "3"}, 2, "'kept.png\\x07'"}},
            {"hidden reversal in a seed", {{"--seed", "1\u202e2", "-o", "kept.png", "1", "2", "3"}, 2, "'1\\u202e2'"}},
            {"R1 that reads as 0, closed",
                {{"-o", "kept.png", "--until-closed", "1e-400", "1", "40"}, 1, ": Division by zero\n"}},
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
                    ": the picture at scale 16 would be 38,208 x 38,208 pixels, more than the limit"}},
        });
    }
    void answersWithoutTouchingTheFile()
    {
        QFETCH(Answer, row);
        for (const char *name : {"kept.png", "kept.svg"}) {
            QFile earlier(QString::fromLatin1(name));
            QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("an earlier picture") > 0);
        }
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
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), (QStringList {"kept.png", "kept.svg"}));
    }

    void reportsRunningOutOfMemory()
    {
        if (underAddressSanitizer)
            QSKIP("the address sanitizer reserves more address space than the limit");
        QFile earlier(QStringLiteral("kept.png"));
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("an earlier picture") > 0);
        earlier.close();
        QProcess process; // in 150 MB of address space, too little for the picture
        process.setChildProcessModifier([] {
            const rlimit limit {150U << 20U, 150U << 20U};
            ::setrlimit(RLIMIT_AS, &limit);
        });
        process.start(QStringLiteral(VOLVENDA_RENDER), {"-o", "kept.png", "--scale", "16", "120", "33", "40"});
        QVERIFY(process.waitForFinished(60'000));
        QCOMPARE(process.exitCode(), 1);
        const QByteArray error = process.readAllStandardError();
        QVERIFY2(error.endsWith("volvenda-render: Out of memory\n"), error.constData());
        QCOMPARE(contents(QStringLiteral("kept.png")), QByteArray("an earlier picture"));
    }

    void pngIsTheWindowsSurface_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("scale");
        QTest::newRow("default fields") << QStringList {"120", "33", "40"} << 1;
        QTest::newRow("negative R1, fractions, no reference")
            << QStringList {"--no-reference", "-100.5", "20.25", "60"} << 1;
        QTest::newRow("eight times as fine") << QStringList {"120", "33", "40"} << 8;
    }
    void pngIsTheWindowsSurface()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, scale);
        const Result result = render(
            QStringList {"-o", "curve.png", "--color", "1f6fd1", "--scale", QString::number(scale)} + arguments);
        QCOMPARE(result.status, 0);
        QCOMPARE(result.err, QString());

        // The window's picture after start-up with R1 and one Start.
        const Radii radii {arguments.at(arguments.size() - 3).toDouble(), arguments.at(arguments.size() - 2).toDouble(),
            arguments.back().toDouble()};
        const float reference
            = arguments.contains(QStringLiteral("--no-reference")) ? 0.0F : float(std::fabs(radii.R1));
        QImage png(QStringLiteral("curve.png"));
        QCOMPARE(png.dotsPerMeterX(), qRound(96 / 0.0254 * scale));
        png.setDevicePixelRatio(scale);
        QCOMPARE(png.convertToFormat(QImage::Format_RGB32),
            corePicture(scale, reference, TracePlan {radii, composeColor(0x1f, 0x6f, 0xd1)}));
    }

    void svgIsOnePathOverTheCircle()
    {
        QCOMPARE(render({"-o", "curve.svg", "--color", "#1F6FD1", "120", "33", "40"}).status, 0);
        const QString svg = QString::fromUtf8(contents(QStringLiteral("curve.svg")));
        QCOMPARE(svg.count(QLatin1String("<path ")), 1);
        // A standalone SVG document, which browsers only draw with its namespace.
        QVERIFY(svg.startsWith(QLatin1String("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://"
                                             "www.w3.org/2000/svg\" version=\"1.1\" width=\"400\" height=\"445\"")));
        QVERIFY(svg.contains(QLatin1String("<rect width=\"400\" height=\"445\" fill=\"#ffffff\"/>")));
        QVERIFY(svg.contains(QLatin1String(
            "<circle cx=\"200\" cy=\"250\" r=\"120\" fill=\"none\" stroke=\"#646464\" stroke-width=\"1\"")));
        QVERIFY(svg.contains(QLatin1String("\" fill=\"none\" stroke=\"#1f6fd1\" stroke-width=\"2\" "
                                           "stroke-linecap=\"round\" stroke-linejoin=\"round\"/>")));
        // The 805 points of the window's run, in order: 804 joined segments.
        const QList<QPointF> points = pathPoints(QStringLiteral("curve.svg"));
        QCOMPARE(points.size(), 805);
        QCOMPARE(points.front(), QPointF(313, 250));
        QCOMPARE(points.back(), QPointF(235, 142));
    }

    void untilClosedEndsOnTheFirstPoint_data()
    {
        // With R1 / R2 = p / q in lowest terms the curve closes at T = 2 pi |p|:
        // the steps T = 0, 0.25, ... up to it, and the closing segment.
        QTest::addColumn<QStringList>("radii");
        QTest::addColumn<int>("segments");
        QTest::newRow("default fields, 40 / 11") << QStringList {"120", "33", "40"} << 1006;
        QTest::newRow("decimals, 5 / 3") << QStringList {"2.5", "1.5", "1"} << 126;
        QTest::newRow("negative R1, -80 / 33") << QStringList {"-80", "33", "40"} << 2011;
        QTest::newRow("R2 zero, once round") << QStringList {"120", "0", "40"} << 26;
        QTest::newRow("R2 that reads as zero") << QStringList {"120", "1e-400", "40"} << 26;
    }
    void untilClosedEndsOnTheFirstPoint()
    {
        QFETCH(QStringList, radii);
        QFETCH(int, segments);
        for (const char *name : {"closed.svg", "again.svg"})
            QCOMPARE(render(QStringList {"-o", name, "--until-closed", "--seed", "7"} + radii).status, 0);
        const QList<QPointF> points = pathPoints(QStringLiteral("closed.svg"));
        QCOMPARE(points.size(), segments + 1);
        QCOMPARE(points.back(), points.front());
        // The same seed gives the same colour, so the same file.
        QCOMPARE(contents(QStringLiteral("again.svg")), contents(QStringLiteral("closed.svg")));
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
        QXmlStreamReader svg(contents(QStringLiteral("cut.svg"))); // and well-formed, clip and all
        while (!svg.atEnd())
            svg.readNext();
        QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
    }

    void animationDrawsThePathsInTurn_data()
    {
        addRows<Animation>({
            {"the window's curve", {{"--animate", "4"}, {"120", "33", "40"}, "4s linear"}},
            {"closed, looped after a second",
                {{"--animate=2.5", "--loop"}, {"--until-closed", "120", "33", "40"}, "3.5s linear infinite",
                    100 * 2.5 / 3.5}},
            {"in pieces cut by the canvas", {{"--animate", "0.1"}, {"150", "40", "60"}, "0.1s linear"}},
        });
    }
    void animationDrawsThePathsInTurn()
    {
        QFETCH(Animation, row);
        QCOMPARE(render(QStringList {"-o", "drawn.svg", "--seed", "5"} + row.animation + row.picture).status, 0);
        QCOMPARE(render(QStringList {"-o", "still.svg", "--seed", "5"} + row.picture).status, 0);
        const QString svg = QString::fromUtf8(contents(QStringLiteral("drawn.svg")));
        // As a viewer that does not animate shows it, it is the still picture.
        QCOMPARE(QString(svg).remove(QRegularExpression(QStringLiteral("\\s*<style[^<]*</style>| class=\"[^\"]*\""))),
            QString::fromUtf8(contents(QStringLiteral("still.svg"))));
        QVERIFY(!svg.contains(QRegularExpression(QStringLiteral("<circle [^>]*class="))));
        // Each path is hidden by a dash as long as it (and a little more) until
        // the one before is drawn, then drawn at the same pace as the others.
        const QString rule = QStringLiteral("\\.%1 \\{ stroke-dasharray: (\\S+) \\1; animation: %1 ([^}]+) \\}\n"
                                            "@keyframes %1 \\{ 0%(?:, (\\S+)%)? \\{ stroke-dashoffset: (\\S+) \\} "
                                            "(?:(\\S+)%, )?100% \\{ stroke-dashoffset: 0 \\} \\}");
        auto paths = QRegularExpression(QStringLiteral("<path d=\"M([^\"]*)\" class=\"([^\"]*)\"")).globalMatch(svg);
        double drawn = 0.0;
        QList<double> paces;
        while (paths.hasNext()) {
            const QRegularExpressionMatch path = paths.next();
            const QRegularExpressionMatch style = QRegularExpression(rule.arg(path.captured(2))).match(svg);
            QVERIFY2(style.hasMatch(), qPrintable(path.captured(2)));
            QCOMPARE(style.captured(2), row.timing);
            QPainterPath outline;
            for (const QString &vertex : path.captured(1).split(QStringLiteral(" L"))) {
                const QPointF point(vertex.section(u',', 0, 0).toDouble(), vertex.section(u',', 1).toDouble());
                outline.elementCount() == 0 ? outline.moveTo(point) : outline.lineTo(point);
            }
            const double length = outline.length();
            const double dash = style.captured(1).toDouble();
            QVERIFY(dash >= length && dash <= 1.02 * length + 3 && style.captured(4).toDouble() > dash);
            QVERIFY(std::abs(style.captured(3).toDouble() - drawn) < 1e-5);
            drawn = style.captured(5).isEmpty() ? 100.0 : style.captured(5).toDouble();
            paces << length / (drawn - style.captured(3).toDouble());
        }
        QVERIFY(std::abs(drawn - row.drawnBy) < 1e-5 && !paces.isEmpty());
        QVERIFY(std::all_of(paces.begin(), paces.end(), [&](double p) { return std::abs(p / paces[0] - 1) < 1e-4; }));
    }

    void keepsTheExactOutputName()
    {
        // Read any other way, "\xff.png" would name another file.
        const Result result = renderBytes({"-o", "\xff.png", "1", "2", "3"});
        QCOMPARE(result.status, 2);
        QCOMPARE(result.err,
            QStringLiteral("volvenda-render: the output file's name is not UTF-8 text: "
                           "'\\xff.png' (see --help)\n"));
        QVERIFY(QDir().isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
    }

    void refusesSpecialFilesBeforeAnyWork()
    {
        // The kinds of output refused are tested with the file writing; here,
        // that the renderer asks before it draws: R1 = 0 fails as soon as
        // drawing starts, so status 2 shows nothing was drawn.
        QCOMPARE(::mkfifo("pipe.png", 0600), 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), QStringLiteral("null.svg")));
        for (const char *name : {"pipe.png", "null.svg"}) {
            const Result result = render({"-o", name, "0", "33", "40"});
            QCOMPARE(result.status, 2);
            QVERIFY2(result.err.startsWith(QStringLiteral("volvenda-render: cannot write '%1': it is a").arg(name)),
                qPrintable(result.err));
        }
        QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
            (QStringList {"null.svg", "pipe.png"}));
        QVERIFY(!QFileInfo(QStringLiteral("/dev/null")).isFile());
    }

    void reportsAFullDisk()
    {
        if (::geteuid() != 0)
            QSKIP("a small file system to fill needs root to mount");
        QVERIFY(QDir().mkdir(QStringLiteral("full")));
        if (::mount("tmpfs", "full", "tmpfs", 0, "size=64k") != 0)
            QSKIP("tmpfs cannot be mounted here");
        const auto unmount = qScopeGuard([] { ::umount("full"); });
        QFile earlier(QStringLiteral("full/kept.png"));
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("an earlier picture") > 0);
        earlier.close();
        for (const char *path : {"full/new.png", "full/kept.png"}) {
            const Result result = render({"-o", path, "--scale", "16", "120", "33", "40"});
            QCOMPARE(result.status, 1);
            // The system's reason, and nothing from the PNG library.
            QCOMPARE(
                result.err, QStringLiteral("volvenda-render: cannot write '%1': %2\n").arg(path, systemReason(ENOSPC)));
        }
        QCOMPARE(contents(QStringLiteral("full/kept.png")), QByteArray("an earlier picture"));
        QCOMPARE(QDir(QStringLiteral("full")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList {"kept.png"});
    }

    void reportsFailedStandardOutput()
    {
        for (const QString &option : {QStringLiteral("--help"), QStringLiteral("--version")}) {
            QProcess process;
            process.setStandardOutputFile(QStringLiteral("/dev/full"));
            process.start(QStringLiteral(VOLVENDA_RENDER), {option});
            QVERIFY(process.waitForFinished(60'000));
            QCOMPARE(process.exitCode(), 1);
            QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
                QStringLiteral("volvenda-render: cannot write to standard output: %1\n").arg(systemReason(ENOSPC)));
        }
    }

    void boundsTheWork_data()
    {
        const QList<double> window {120, 33, 40};
        const QList<double> shortSteps {39.788, 0.001, 210};
        // The pen crosses the picture at every step: long strokes.
        const QList<double> longChords {0.39787, 4.60176, 200};
        const ImageFormat png = ImageFormat::Png;
        addRows<Work>({
            {"the window's picture at scale 16", {window, 16, false, png, true}},
            {"its closed curve at scale 16", {window, 16, true, png, true}},
            {"a million short steps", {shortSteps, 1, true, png, true}},
            {"a million short steps at scale 2", {shortSteps, 2, true, png, false}},
            {"a million long chords", {longChords, 1, true, png, false}},
            {"a million long chords as SVG", {longChords, 1, true, ImageFormat::Svg, true}},
            {"fewer long chords at scale 16", {{0.155, 1.793, 200}, 16, true, png, true}},
            {"25 million steps as SVG", {{1000003, 1, 1}, 1, true, ImageFormat::Svg, false}},
        });
    }
    void boundsTheWork()
    {
        QFETCH(Work, row);
        RenderOptions options;
        options.R1 = row.radii[0];
        options.R2 = row.radii[1];
        options.R3 = row.radii[2];
        options.scale = row.scale;
        options.untilClosed = row.closed;
        options.format = row.format;
        const PicturePlan plan = planPicture(options, 0);
        QCOMPARE(bool(plan.request), row.drawn);
        QCOMPARE(plan.refusal.isEmpty(), row.drawn);
        if (row.drawn && row.format == ImageFormat::Png)
            QVERIFY(rasterWork(*plan.request, row.scale) <= RasterWorkBudget);
    }

    void showsProgressOnlyWhenSlowOnATerminal()
    {
        const auto shown = [](bool terminal, qint64 millisecondsPerReport) {
            QByteArray output;
            qint64 now = 0;
            Progress progress(
                terminal, [&](const QByteArray &text) { output += text; }, [&] { return now; });
            for (const double done : {0.0, 0.5, 0.502, 0.99, 1.0}) {
                progress.report("drawing", done);
                now += millisecondsPerReport;
            }
            progress.report("writing", 0.05);
            progress.clear();
            return output;
        };
        QCOMPARE(shown(true, 100), QByteArray());
        QCOMPARE(shown(false, 1000), QByteArray());
        // From the second report on, once per percentage; then the writing
        // phase, blanks over the longer line, and wiped at the end.
        const QByteArray line = "\rvolvenda-render: drawing ";
        QCOMPARE(shown(true, 1000),
            line + "50%" + line + "99%" + line + "100%" + "\rvolvenda-render: writing 5%  \b\b\r" + QByteArray(27, ' ')
                + "\r");
    }

private:
    std::optional<QTemporaryDir> m_dir;
};

QTEST_MAIN(RenderTest)
#include "tst_render.moc"
