// Times the Start command: the tracer's arithmetic alone, the whole run (805
// steps) on the raster surface with no window, and the run in a shown window
// that repaints after every step. Usage: volvenda_bench [runs]
// The windowed figure depends on the platform: QT_QPA_PLATFORM=offscreen, or
// a real X server (xvfb-run).

#include "runtime/random_generator.h"
#include "runtime/raster_surface.h"
#include "trace/start_command.h"

#include "window/main_window.h"

#include <QApplication>
#include <QPushButton>

#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

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

Timing measure(int runs, const std::function<void()> &work)
{
    std::vector<double> microseconds;
    for (int i = 0; i < runs; ++i) {
        const auto started = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - started;
        microseconds.push_back(took.count());
    }
    std::sort(microseconds.begin(), microseconds.end());
    return {microseconds[microseconds.size() / 2], microseconds.front()};
}

void report(const char *what, const Timing &timing)
{
    std::printf("%-44s median %10.1f us   best %10.1f us\n", what, timing.median, timing.best);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const FieldTexts fields {QStringLiteral("120"), QStringLiteral("33"), QStringLiteral("40")};
    RandomGenerator random;
    WindowState state;

    NullSurface null;
    report("tracer arithmetic (805 steps, no drawing)",
        measure(runs, [&] { runStartCommand(state, fields, random, null); }));

    RasterSurface raster(QSize(400, 445), 1.0, Qt::white);
    report("Start on the raster surface, ratio 1", measure(runs, [&] {
        raster.ClearSurface();
        runStartCommand(state, fields, random, raster);
    }));

    RasterSurface crisp(QSize(400, 445), 2.0, Qt::white);
    report("Start on the raster surface, ratio 2", measure(runs, [&] {
        crisp.ClearSurface();
        runStartCommand(state, fields, random, crisp);
    }));

    MainWindow window([] {}, [](QWidget *, const QString &text) { std::fprintf(stderr, "%s\n", qPrintable(text)); });
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    auto *start = window.findChild<QPushButton *>(QStringLiteral("Start"));
    auto *clear = window.findChild<QPushButton *>(QStringLiteral("Clear"));
    const QByteArray platform = QGuiApplication::platformName().toUtf8();
    const QByteArray label = "Start in a shown window (" + platform + ")";
    report(label.constData(), measure(runs, [&] {
        clear->click();
        start->click();
    }));

    std::printf("runs: %d   checksum: %.0f\n", runs, null.checksum);
    return 0;
}
