// Times the Start command: the tracer's arithmetic alone, the whole run (805
// steps) on the raster surface with no window, and the run in a shown window
// that repaints after every step, with the memory the window keeps of it to
// save it as SVG; volvenda-render drawing the largest picture, with its
// peak memory, beside the same picture drawn the toolkit's plain way; and its
// heaviest animated SVG, with its size and style, beside the still one.
// Usage: volvenda_bench [runs]
// The windowed figure depends on the platform: xcb (an X server, xvfb-run),
// wayland (a compositor), or offscreen, which it falls back to without a display.

#include "drawing/raster_surface.h"
#include "runtime/digits.h"
#include "runtime/random_generator.h"
#include "trace/canvas_geometry.h"
#include "trace/curve.h"
#include "trace/start_command.h"

#include "window/main_window.h"
#include "window/program_options.h"

#include "bare_window.h"
#include "support/paint_counter.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <limits>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include <csignal>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

using namespace volvenda;

namespace {

// A surface that only counts, so that the tracer's own work is what is timed.
class NullSurface final : public DrawingSurface
{
public:
    void ClearSurface() override { }
    void PenWidth(int) override { }
    void DrawCircle(float, float, float, COLORREF) override { }
    void DrawLine(float x1, float, float, float, COLORREF) override { checksum += x1; }
    void Present() override { }
    double checksum = 0.0;
};

struct Timing
{
    double median;
    double best;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Shows a window and waits until the window system has it on the screen.
void showExposed(QWidget &window)
{
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

Timing measure(int runs, const std::function<void()> &work)
{
    std::vector<double> microseconds;
    for (int i = 0; i < runs; ++i) {
        const auto started = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - started;
        microseconds.push_back(took.count());
    }
    return {median(microseconds), *std::min_element(microseconds.begin(), microseconds.end())};
}

void report(const char *what, const Timing &timing)
{
    std::printf("%-44s median %10.1f us   best %10.1f us\n", what, timing.median, timing.best);
}

// Runs the renderer once; its peak resident memory in kilobytes, or -1.
long renderOnce(const std::vector<QByteArray> &arguments)
{
    std::vector<QByteArray> owned = arguments;
    std::vector<char *> argv;
    argv.reserve(owned.size() + 1);
    for (QByteArray &argument : owned)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage {};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_maxrss;
}

// The anchor for the renderer: the same picture drawn the toolkit's plain
// way, a painter on an image of the whole size and QImage's own PNG writer,
// in this process (so without the renderer's start-up).
double plainToolkitMilliseconds(const QString &path)
{
    constexpr int scale = 16;
    const auto started = std::chrono::steady_clock::now();
    QImage image(CanvasSize * scale, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.setPen(QPen(QColor(100, 100, 100), 1));
    painter.drawEllipse(QPointF(CentreX, CentreY), 120, 120);
    QPolygonF curve;
    for (double T = 0.0; T <= TraceEnd; T += ParameterStep) {
        const CurvePoint point = curvePoint({120, 33, 40}, T);
        curve << QPointF(point.X + CentreX, point.Y + CentreY);
    }
    painter.setPen(QPen(QColor(31, 111, 106), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(curve);
    painter.end();
    if (!image.save(path, "PNG"))
        return -1;
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - started;
    return took.count();
}

void benchmarkRenderer(int runs)
{
    QTemporaryDir folder;
    const std::vector<QByteArray> arguments {VOLVENDA_RENDER, "-o", folder.filePath("bench.png").toUtf8(), "--seed",
        "1", "--scale", "16", "120", "33", "40"};
    long peak = 0;
    const Timing timing = measure(runs, [&] { peak = std::max(peak, renderOnce(arguments)); });
    if (peak < 0) {
        std::printf("volvenda-render failed\n");
        return;
    }
    std::printf("%-44s median %10.1f ms   best %10.1f ms   peak %6.1f MB\n", "volvenda-render --scale 16 120 33 40",
        timing.median / 1000, timing.best / 1000, double(peak) / 1024);
    std::vector<double> plain;
    for (int i = 0; i < std::min(runs, 3); ++i)
        plain.push_back(plainToolkitMilliseconds(folder.filePath("plain.png")));
    const double pixelsMegabytes = double(CanvasSize.width() * 16) * CanvasSize.height() * 16 * 3 / (1 << 20U);
    std::printf("%-44s median %10.1f ms   the image alone %6.1f MB\n", "  the toolkit's plain way, in process",
        median(plain), pixelsMegabytes);
    std::printf("%-44s ratio %.2f   peak / image %.2f   PNG %lld and %lld bytes\n", "  volvenda-render / plain way",
        timing.median / 1000 / median(plain), double(peak) / 1024 / pixelsMegabytes,
        static_cast<long long>(QFileInfo(folder.filePath("bench.png")).size()),
        static_cast<long long>(QFileInfo(folder.filePath("plain.png")).size()));
#ifndef NDEBUG
    std::printf("  (an unoptimised build: compare the time from a release build)\n");
#endif
}

// The heaviest animated SVG the renderer writes, a closed curve of a million
// steps that leaves the canvas thousands of times, beside the still SVG of
// the same curve: what the animation adds to the file.
void benchmarkAnimatedSvg(int runs)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bench.svg"));
    const QString still = folder.filePath(QStringLiteral("still.svg"));
    const std::vector<QByteArray> curve {"--seed", "1", "--until-closed", "120", "33.006", "300"};
    std::vector<QByteArray> arguments {VOLVENDA_RENDER, "-o", path.toUtf8(), "--animate", "5", "--loop"};
    arguments.insert(arguments.end(), curve.begin(), curve.end());
    long peak = 0;
    const Timing timing = measure(runs, [&] { peak = std::max(peak, renderOnce(arguments)); });
    std::vector<QByteArray> stillArguments {VOLVENDA_RENDER, "-o", still.toUtf8()};
    stillArguments.insert(stillArguments.end(), curve.begin(), curve.end());
    QFile file(path);
    if (peak < 0 || renderOnce(stillArguments) < 0 || !file.open(QIODevice::ReadOnly)) {
        std::printf("volvenda-render failed\n");
        return;
    }
    const QByteArray svg = file.readAll();
    const qsizetype style = svg.indexOf("</style>") - svg.indexOf("<style");
    std::printf("%-44s median %10.1f ms   best %10.1f ms   peak %6.1f MB\n", "volvenda-render animated SVG, 1M steps",
        timing.median / 1000, timing.best / 1000, double(peak) / 1024);
    std::printf("  file %.1f MB with %lld animation(s) and %lld bytes of style; the still one %.1f MB\n",
        double(svg.size()) / 1e6, static_cast<long long>(svg.count("class=")), static_cast<long long>(style),
        double(QFileInfo(still).size()) / 1e6);
}

// Animated GIFs and PNGs beside the still PNG of the same command: what the
// frames add in time and peak memory, and the files' sizes. The window's
// first picture over five seconds, and a closed curve of 43,000 steps at
// scale 2 over twenty seconds: a thousand frames of 43 steps each, whose
// rectangles are large.
void benchmarkAnimatedPictures(int runs)
{
    QTemporaryDir folder;
    const std::vector<std::pair<const char *, std::vector<QByteArray>>> commands {
        {"120 33 40, 5 s", {"--seed", "1", "--animate", "5", "120", "33", "40"}},
        {"--scale 2 --until-closed 120 33.3 40, 20 s",
            {"--seed", "1", "--animate", "20", "--scale", "2", "--until-closed", "120", "33.3", "40"}},
    };
    for (const auto &command : commands) {
        // Named here, not bound: clang 14 takes no structured binding into a lambda.
        const char *name = command.first;
        const std::vector<QByteArray> &options = command.second;
        const auto timed = [&](const QString &file, bool animated) {
            std::vector<QByteArray> arguments {VOLVENDA_RENDER, "-o", folder.filePath(file).toUtf8()};
            for (std::size_t i = 0; i < options.size(); ++i)
                if (animated || (options[i] != "--animate" && (i == 0 || options[i - 1] != "--animate")))
                    arguments.push_back(options[i]);
            long peak = 0;
            const Timing timing = measure(runs, [&] { peak = std::max(peak, renderOnce(arguments)); });
            return std::pair {timing.median / 1000, double(peak) / 1024};
        };
        const auto [stillTime, stillPeak] = timed(QStringLiteral("still.png"), false);
        std::printf("%-44s median %10.1f ms   peak %6.1f MB   %lld bytes\n",
            qPrintable(QStringLiteral("still PNG, %1").arg(QLatin1String(name))), stillTime, stillPeak,
            static_cast<long long>(QFileInfo(folder.filePath(QStringLiteral("still.png"))).size()));
        for (const char *format : {"gif", "png"}) {
            const QString file = QStringLiteral("animated.") + QLatin1String(format);
            const auto [time, peak] = timed(file, true);
            std::printf("  %-42s median %10.1f ms   peak %6.1f MB   %lld bytes   time %.2fx   memory %.2fx\n",
                format == std::string_view("gif") ? "GIF" : "animated PNG", time, peak,
                static_cast<long long>(QFileInfo(folder.filePath(file)).size()), time / stillTime, peak / stillPeak);
        }
    }
}

// The memory a drawing's shapes hold, their points' spare room included.
std::size_t recordedBytes(const VectorSurface &drawing)
{
    std::size_t bytes = 0;
    for (const VectorSurface::Shape &shape : drawing.shapes()) {
        bytes += sizeof shape;
        if (const auto *path = std::get_if<QPolygonF>(&shape.geometry))
            bytes += static_cast<std::size_t>(path->capacity()) * sizeof(QPointF);
    }
    return bytes;
}

double monotonicMilliseconds()
{
    timespec now {};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

struct Launch
{
    double mapped;
    double frame;
};

// Launches a window program with the probe preloaded, on the platform the
// benchmark itself is on, and ends it after its first frame: the
// milliseconds from launch to its window mapped and to that frame.
std::optional<Launch> launchOnce(const char *program)
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return std::nullopt;
    // Everything the child needs is made before the fork.
    std::vector<QByteArray> variables {QByteArray("LD_PRELOAD=") + VOLVENDA_PROBE,
        "VOLVENDA_PROBE_FD=" + QByteArray::number(ends[1]),
        "QT_QPA_PLATFORM=" + QGuiApplication::platformName().toUtf8()};
    std::vector<char *> environment;
    for (char **variable = environ; *variable != nullptr; ++variable)
        if (std::strncmp(*variable, "QT_QPA_PLATFORM=", 16) != 0 && std::strncmp(*variable, "LD_PRELOAD=", 11) != 0)
            environment.push_back(*variable);
    for (QByteArray &variable : variables)
        environment.push_back(variable.data());
    environment.push_back(nullptr);
    char *const argv[] {const_cast<char *>(program), nullptr};

    const double launched = monotonicMilliseconds();
    const pid_t child = ::fork();
    if (child == 0) {
        ::fcntl(ends[1], F_SETFD, 0);
        ::execve(program, argv, environment.data());
        ::_exit(127);
    }
    ::close(ends[1]);
    Launch launch {-1, -1};
    QByteArray notes;
    pollfd readable {ends[0], POLLIN, 0};
    while (launch.frame < 0 && child > 0 && ::poll(&readable, 1, 10'000) == 1) {
        char buffer[256];
        const ssize_t got = ::read(ends[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        notes.append(buffer, got);
        for (qsizetype end = notes.indexOf('\n'); end >= 0; end = notes.indexOf('\n')) {
            const QList<QByteArray> words = notes.left(end).split(' ');
            notes.remove(0, end + 1);
            if (words.size() == 2)
                (words[0] == "mapped" ? launch.mapped : launch.frame) = words[1].toDouble() / 1e6 - launched;
        }
    }
    ::close(ends[0]);
    if (child > 0) {
        ::kill(child, SIGTERM);
        ::waitpid(child, nullptr, 0);
    }
    if (launch.frame < 0)
        return std::nullopt;
    return launch;
}

// Launch to first frame, the program beside the bare window, launched in turn.
void benchmarkLaunch(int runs)
{
    const QByteArray platform = QGuiApplication::platformName().toUtf8();
    if (platform != "xcb" && platform != "wayland") {
        std::printf("launch to first frame: not timed on the %s platform\n", platform.constData());
        return;
    }
    std::vector<double> mapped[2], frame[2];
    const char *programs[2] {VOLVENDA_WINDOW, VOLVENDA_BARE_WINDOW};
    for (int run = 0; run < runs; ++run)
        for (int which = 0; which < 2; ++which)
            if (const std::optional<Launch> launch = launchOnce(programs[which])) {
                mapped[which].push_back(launch->mapped);
                frame[which].push_back(launch->frame);
            }
    if (frame[0].empty() || frame[1].empty()) {
        std::printf("launch to first frame (%s): no frame seen\n", platform.constData());
        return;
    }
    std::printf("%-44s volvenda %7.1f ms   bare %7.1f ms   ratio %.2f\n",
        qPrintable(QStringLiteral("launch to window mapped (%1)").arg(QLatin1String(platform))), median(mapped[0]),
        median(mapped[1]), median(mapped[0]) / median(mapped[1]));
    std::printf("%-44s volvenda %7.1f ms   bare %7.1f ms   ratio %.2f   (medians of %zu and %zu)\n",
        qPrintable(QStringLiteral("launch to first frame (%1)").arg(QLatin1String(platform))), median(frame[0]),
        median(frame[1]), median(frame[0]) / median(frame[1]), frame[0].size(), frame[1].size());
    // A desktop session has a bus; without one, D-Bus forks a launcher of its
    // own during every start-up timed here, and the larger program pays more
    // for the copied memory.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        std::printf("  no session bus: start-up as no desktop has it (run in dbus-run-session)\n");
}

} // namespace

int main(int argc, char *argv[])
{
    // A smoke run on a machine without a display still times everything.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    ProgramOptions display;
    if (const qsizetype at = arguments.indexOf(QStringLiteral("-platform")); at >= 0 && at + 1 < arguments.size())
        display.platform = arguments.at(at + 1);
    if (!hasDisplay(display)) {
        std::fputs("volvenda_bench: no display, so the window is timed on the offscreen platform\n", stderr);
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    prepareToolkit();
    QApplication app(argc, argv);
    // The toolkit has taken its own options out by now.
    int runs = 200;
    if (QCoreApplication::arguments().size() > 1) {
        const QString given = QCoreApplication::arguments().at(1);
        // Digits only: no sign, no blanks, no fraction.
        const std::optional<qulonglong> count = readDigits(given, std::numeric_limits<int>::max());
        runs = int(count.value_or(0));
        if (runs < 1) {
            std::fprintf(
                stderr, "volvenda_bench: the run count must be a positive whole number, not '%s'\n", qPrintable(given));
            return 2;
        }
    }
    const FieldTexts fields {QStringLiteral("120"), QStringLiteral("33"), QStringLiteral("40")};
    RandomGenerator random;
    TraceState state;

    NullSurface null;
    report("tracer arithmetic (805 steps, no drawing)",
        measure(runs, [&] { runStartCommand(state, fields, random, null); }));

    RasterSurface raster(CanvasSize, 1.0, Qt::white);
    report("Start on the raster surface, ratio 1", measure(runs, [&] {
        raster.ClearSurface();
        runStartCommand(state, fields, random, raster);
    }));

    RasterSurface crisp(CanvasSize, 2.0, Qt::white);
    report("Start on the raster surface, ratio 2", measure(runs, [&] {
        crisp.ClearSurface();
        runStartCommand(state, fields, random, crisp);
    }));

    benchmarkRenderer(std::min(runs, 10));
    benchmarkAnimatedSvg(std::min(runs, 5));
    benchmarkAnimatedPictures(std::min(runs, 3));

    MainWindow window([] {},
        [](QWidget *, const CommandFailure &failure) { std::fprintf(stderr, "%s\n", qPrintable(failure.error)); });
    showExposed(window);
    auto *start = window.findChild<QPushButton *>(QStringLiteral("Start"));
    auto *clear = window.findChild<QPushButton *>(QStringLiteral("Clear"));
    PaintCounter counter;
    window.childAt(CentreX, CentreY)->installEventFilter(&counter);
    const QByteArray platform = QGuiApplication::platformName().toUtf8();
    const QByteArray label = "Start in a shown window (" + platform + ")";
    int startPaints = 0;
    const Timing windowStart = measure(runs, [&] {
        clear->click();
        const int before = counter.paints;
        start->click();
        startPaints = counter.paints - before;
    });
    report(label.constData(), windowStart);

    // The same run in the bare window, shown beside it.
    BareWindow bare;
    showExposed(bare);
    PaintCounter bareCounter;
    bare.canvas->installEventFilter(&bareCounter);
    int barePaints = 0;
    const Timing bareStart = measure(runs, [&] {
        const int before = bareCounter.paints;
        bare.start->click();
        barePaints = bareCounter.paints - before;
    });
    report("  the same in the bare window", bareStart);
    std::printf("%-44s ratio %.2f   paints %d and %d\n", "  Start, volvenda / bare window",
        windowStart.median / bareStart.median, startPaints, barePaints);
    bare.close();
    window.close();
    benchmarkLaunch(std::min(runs, 20));

    // 804 segments: one paint each, none merged or dropped.
    std::printf("runs: %d   paints in the last Start: %d   checksum: %.0f\n", runs, startPaints, null.checksum);
    // What the window keeps of the circle and one run, to save them as SVG.
    std::printf(
        "kept for saving as SVG after Clear and Start: %.1f KB\n", double(recordedBytes(window.drawing())) / 1024);
    return 0;
}
