#include "support/cases.h"
#include "support/pictures.h"

#include "drawing/clipping.h"
#include "drawing/raster_surface.h"
#include "drawing/recording_surface.h"
#include "drawing/vector_surface.h"
#include "runtime/runtime_error.h"
#include "trace/start_command.h"

#include <functional>
#include <limits>
#include <vector>

using namespace volvenda;

using Drawing = std::function<void(DrawingSurface &)>;
Q_DECLARE_METATYPE(Drawing)

namespace {

constexpr COLORREF Red = composeColour(255, 0, 0);
constexpr float Inf = std::numeric_limits<float>::infinity();
constexpr float Largest = std::numeric_limits<float>::max();

// A huge line, a short piece of the same line, and where it crosses a column.
struct Clipping
{
    QLineF line;
    QLineF sameLineNearby;
    QPoint crossing;
    double tolerance = 1.0;
};

// Painted device rows of one column.
std::vector<int> paintedRows(const QImage &image, int x)
{
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if (painted(image, x, y))
            rows.push_back(y);
    return rows;
}

} // namespace

class DrawingTest final : public QObject
{
    Q_OBJECT

private slots:
    void clipsHugeLines_data()
    {
        addRows<Clipping>({
            {"horizontal, widest floats", {{-Largest, 100, Largest, 100}, {0, 100, 1, 100}, {0, 100}}},
            {"horizontal, far right end", {{200, 100, Largest, 100}, {0, 100, 1, 100}, {399, 100}}},
            {"vertical, widest floats", {{50, -Largest, 50, Largest}, {50, 0, 50, 1}, {50, 444}}},
            {"slanted from far away", {{-3e12, -1e12, 3e12, 1e12}, {0, 0, 3, 1}, {300, 100}}},
            {"steep from far away", {{-1e12, -3e12, 1e12, 3e12}, {0, 0, 1, 3}, {100, 300}}},
            // Ends 1e38 away are known to about 1e22 pixels; the crossing still lands within a few.
            {"diagonal, widest floats", {{-Largest, -Largest, Largest, Largest}, {0, 0, 1, 1}, {300, 300}, 3}},
        });
    }
    void clipsHugeLines()
    {
        QFETCH(Clipping, row);
        RasterSurface surface(CanvasSize, 1.0, Qt::white);
        surface.DrawLine(float(row.line.x1()), float(row.line.y1()), float(row.line.x2()), float(row.line.y2()), Red);
        const QImage &image = surface.image();
        // The part that crosses the surface is drawn where it lies, and only there.
        const std::vector<int> rows = paintedRows(image, row.crossing.x());
        QVERIFY(std::any_of(
            rows.begin(), rows.end(), [&](int y) { return std::abs(y - row.crossing.y()) <= row.tolerance; }));
        const QLineF unit = row.sameLineNearby.unitVector();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (painted(image, x, y)) {
                    const double distance = std::abs(unit.dy() * (x - unit.x1()) - unit.dx() * (y - unit.y1()));
                    QVERIFY2(distance <= row.tolerance, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                }
    }

    void drawsNothingOutsideOrNotFinite_data()
    {
        QTest::addColumn<Drawing>("draw");
        const auto row = [](const char *name, const Drawing &draw) { QTest::newRow(name) << draw; };
        row("line above the surface", [](auto &s) { s.DrawLine(-Largest, -10, Largest, -10, Red); });
        row("line to infinity", [](auto &s) { s.DrawLine(10, 10, Inf, 10, Red); });
        row("line to not-a-number", [](auto &s) { s.DrawLine(10, 10, std::nanf(""), 10, Red); });
        row("circle of infinite radius", [](auto &s) { s.DrawCircle(200, 250, Inf, Red); });
        row("circle at infinity", [](auto &s) { s.DrawCircle(Inf, 250, 10, Red); });
        row("circle round the surface", [](auto &s) { s.DrawCircle(200, 250, 1000, Red); });
        row("huge circle far away", [](auto &s) { s.DrawCircle(-1e30F, 0, 1e20F, Red); });
    }
    void drawsNothingOutsideOrNotFinite()
    {
        QFETCH(Drawing, draw);
        RasterSurface raster(CanvasSize, 1.0, Qt::white);
        int presented = 0;
        raster.setPresentHandler([&](const QRect &) { ++presented; });
        draw(raster);
        raster.Present();
        QCOMPARE(differences(raster.image(), {}), QString());
        QCOMPARE(presented, 0);
        VectorSurface vector(CanvasSize, Qt::white);
        draw(vector);
        // The vector surface may keep strokes beyond the canvas, for the
        // canvas to cut; none of them reaches into it.
        for (const VectorSurface::Shape &shape : vector.shapes()) {
            const auto *path = std::get_if<QPolygonF>(&shape.geometry);
            QVERIFY(path && !path->boundingRect().adjusted(-2, -2, 2, 2).intersects(QRectF(QPointF(0, 0), CanvasSize)));
        }
    }

    void drawsTheVisibleArcOfHugeCircles()
    {
        // Circles under the surface whose top crosses it at column 100: the arc
        // is highest there and sinks by x^2 / 2r towards the edges.
        for (const auto &[radius, left, right] : {std::tuple(5000.0F, 151, 159), std::tuple(1e7F, 150, 150)}) {
            RasterSurface raster(CanvasSize, 1.0, Qt::white);
            VectorSurface vector(CanvasSize, Qt::white);
            raster.DrawCircle(100, 150 + radius, radius, Red);
            vector.DrawCircle(100, 150 + radius, radius, Red);
            for (const auto &[column, row] : {std::pair(100, 150), std::pair(0, left), std::pair(399, right)}) {
                const std::vector<int> rows = paintedRows(raster.image(), column);
                QVERIFY2(!rows.empty() && rows.size() <= 2 && std::abs(rows[0] - row) <= 1,
                    qPrintable(QString::number(column)));
            }
            QCOMPARE(vector.shapes().size(), std::size_t(1));
            for (const QPointF &point : std::get<QPolygonF>(vector.shapes().front().geometry))
                QVERIFY(point.y() >= 149 && point.y() <= right + 2);
        }
    }

    void goesRoundTheEdgeTheShortWay()
    {
        // Corners passed from one point of a box's edge to another, by the shorter way.
        const QRectF box(0, 0, 100, 50);
        QCOMPARE(alongEdge({0, 10}, {30, 0}, box), QPolygonF {QPointF(0, 0)});
        QCOMPARE(alongEdge({0, 40}, {100, 30}, box), (QPolygonF {{0, 50}, {100, 50}}));
        QCOMPARE(alongEdge({100, 20}, {10, 0}, box), QPolygonF {QPointF(100, 0)});
        QCOMPARE(alongEdge({20, 50}, {80, 50}, box), QPolygonF());
        // Only points of the edge itself count: not one inside, nor one beyond it.
        QVERIFY(onEdge({0, 10}, box) && onEdge({30, 50}, box));
        QVERIFY(!onEdge({30, 10}, box) && !onEdge({30, 60}, box) && !onEdge({-1, 50}, box));
    }

    void presentsWhatChanged()
    {
        RasterSurface surface(CanvasSize, 1.0, Qt::white);
        std::vector<QRect> reports;
        surface.setPresentHandler([&](const QRect &changed) { reports.push_back(changed); });
        surface.PenWidth(2);
        surface.DrawLine(100, 100, 150, 120, Red);
        surface.DrawLine(150, 120, 160, 90, Red);
        // The next run's colour with the same pen.
        surface.DrawLine(100, 60, 150, 60, composeColour(0, 0, 255));
        QCOMPARE(surface.image().pixelColor(125, 60), QColor(0, 0, 255));
        surface.Present();
        surface.Present(); // nothing new: nothing to show
        QCOMPARE(reports.size(), std::size_t(1));
        // The segments with the pen's width around them, not the whole surface.
        QVERIFY(reports[0].contains(QRect(98, 58, 64, 64)) && reports[0].width() < 80 && reports[0].height() < 80);
        surface.DrawCircle(200, 250, 40, Red);
        surface.Present();
        QVERIFY(reports[1].contains(QRect(159, 209, 82, 82)) && reports[1].width() < 90 && reports[1].height() < 90);
        surface.ClearSurface();
        surface.Present();
        QCOMPARE(reports.back(), QRect(QPoint(0, 0), CanvasSize));
        QCOMPARE(differences(surface.image(), {}), QString());
    }

    void keepsThePictureAtAnyDevicePixelRatio()
    {
        RasterSurface surface(CanvasSize, 2.0, Qt::white);
        QCOMPARE(surface.image().size(), CanvasSize * 2);
        // Logical coordinates: a one-pixel line at y = 100 covers device rows 200 and 201.
        surface.DrawLine(10, 100, 300, 100, Red);
        QCOMPARE(paintedRows(surface.image(), 300), (std::vector<int> {200, 201}));
        QVERIFY(!painted(surface.image(), 16, 200) && !painted(surface.image(), 604, 200));
        // Moved to a screen of another ratio, the picture stays and is shown whole.
        QRect reported;
        surface.setPresentHandler([&](const QRect &changed) { reported = changed; });
        surface.setDevicePixelRatio(1.0);
        surface.Present();
        QCOMPARE(paintedRows(surface.image(), 150), (std::vector<int> {100}));
        QCOMPARE(reported, QRect(QPoint(0, 0), CanvasSize));
        // The painter kept open between drawings follows the new image, the wipe and the pen.
        surface.PenWidth(5);
        surface.DrawLine(10, 10, 390, 400, Red);
        surface.setDevicePixelRatio(2.0);
        surface.ClearSurface();
        surface.PenWidth(1);
        surface.DrawCircle(200, 250, 100, ReferenceGray);
        QCOMPARE(differences(surface.image(), {100}), QString());
        // A ratio whose picture memory cannot hold leaves the picture as it was.
        const QImage before = surface.image();
        QCOMPARE(errorKindOf([&] { surface.setDevicePixelRatio(1e5); }), std::optional(ErrorKind::OutOfMemory));
        QCOMPARE(surface.image(), before);
    }

    void recordsEachRunAsAPathOfItsOwn()
    {
        // A closed curve ends where it began: a second run in its colour would continue its path.
        const TracePlan closed {{100, 25, 30}, Red, 20.0, true};
        RasterSurface shown(CanvasSize, 2.0, Qt::white);
        RecordingSurface recording(shown, CanvasSize, Qt::white);
        for (int run = 0; run < 2; ++run) {
            recording.PenWidth(2);
            TraceState state;
            traceCurve(state, closed, recording);
        }
        const std::vector<VectorSurface::Shape> &runs = recording.record().shapes();
        QVERIFY(runs.size() == 2 && std::get<QPolygonF>(runs[0].geometry) == std::get<QPolygonF>(runs[1].geometry));
        QPolygonF loop = epitrochoid(100, 25, 30, 20.0);
        loop << loop.front();
        QCOMPARE(differences(shown.image(), {0, {{loop, Qt::red}}}), QString());
        recording.ClearSurface();
        QVERIFY(recording.record().shapes().empty());
        QCOMPARE(differences(shown.image(), {}), QString());
    }
};

QTEST_MAIN(DrawingTest)
#include "tst_drawing.moc"
