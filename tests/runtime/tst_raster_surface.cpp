#include "runtime/raster_surface.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

using namespace volvenda;

namespace {

const QSize surfaceSize(400, 445);
constexpr COLORREF red = composeColor(255, 0, 0);
constexpr double inf = std::numeric_limits<double>::infinity();
constexpr float largest = std::numeric_limits<float>::max();

// The surface takes single precision; the test tables speak Qt's doubles.
void drawLine(DrawingSurface &surface, const QLineF &line, COLORREF colour)
{
    surface.DrawLine(static_cast<float>(line.x1()), static_cast<float>(line.y1()), static_cast<float>(line.x2()),
        static_cast<float>(line.y2()), colour);
}

void drawCircle(DrawingSurface &surface, QPointF centre, double radius, COLORREF colour)
{
    surface.DrawCircle(
        static_cast<float>(centre.x()), static_cast<float>(centre.y()), static_cast<float>(radius), colour);
}

bool painted(const QImage &image, int x, int y)
{
    return image.pixel(x, y) != QColor(Qt::white).rgb();
}

int paintedCount(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += painted(image, x, y) ? 1 : 0;
    return count;
}

// Painted pixels in one column, as a list of rows.
std::vector<int> paintedRows(const QImage &image, int x)
{
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if (painted(image, x, y))
            rows.push_back(y);
    return rows;
}

} // namespace

class RasterSurfaceTest final : public QObject
{
    Q_OBJECT

private slots:
    void startsBlankAndClearsBack();
    void drawsASegmentWhereItLies();
    void penWidthWidensLines_data();
    void penWidthWidensLines();
    void clipsHugeLines_data();
    void clipsHugeLines();
    void dropsLinesOutsideOrNotFinite_data();
    void dropsLinesOutsideOrNotFinite();
    void drawsRoundUnfilledCircles();
    void dropsCirclesOutsideOrNotFinite_data();
    void dropsCirclesOutsideOrNotFinite();
    void drawsTheVisibleArcOfHugeCircles_data();
    void drawsTheVisibleArcOfHugeCircles();
    void presentReportsWhatChanged();
    void backsTheImageAtTheDevicePixelRatio();
    void keepsThePictureWhenTheRatioChanges();
};

void RasterSurfaceTest::startsBlankAndClearsBack()
{
    RasterSurface surface(surfaceSize, 1.0, Qt::white);
    QCOMPARE(surface.image().size(), surfaceSize);
    QCOMPARE(paintedCount(surface.image()), 0);

    surface.DrawLine(10, 100, 300, 200, red);
    surface.DrawCircle(200, 250, 120, ReferenceGray);
    QVERIFY(paintedCount(surface.image()) > 0);
    surface.ClearSurface();
    QCOMPARE(paintedCount(surface.image()), 0);
}

void RasterSurfaceTest::drawsASegmentWhereItLies()
{
    RasterSurface surface(surfaceSize, 1.0, Qt::white);
    surface.DrawLine(10, 100, 50, 100, red);
    const QImage &image = surface.image();
    for (int x = 10; x <= 50; ++x)
        QVERIFY2(image.pixel(x, 100) == QColor(Qt::red).rgb(), qPrintable(QString::number(x)));
    QVERIFY(!painted(image, 10, 98));
    QVERIFY(!painted(image, 55, 100));
    // Aliased: nothing but the line's own colour and the background.
    for (int x = 0; x < 60; ++x)
        for (int y = 95; y < 105; ++y)
            QVERIFY(!painted(image, x, y) || image.pixel(x, y) == QColor(Qt::red).rgb());
}

void RasterSurfaceTest::penWidthWidensLines_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("one pixel") << 1;
    QTest::newRow("two pixels") << 2;
}

void RasterSurfaceTest::penWidthWidensLines()
{
    QFETCH(int, width);
    RasterSurface surface(surfaceSize, 1.0, Qt::white);
    surface.PenWidth(width);
    QCOMPARE(surface.penWidth(), width);
    surface.DrawLine(10, 100, 300, 100, red);
    QCOMPARE(paintedRows(surface.image(), 150).size(), std::size_t(width));
}

void RasterSurfaceTest::clipsHugeLines_data()
{
    QTest::addColumn<QLineF>("line");
    QTest::addColumn<QLineF>("sameLineNearby");
    QTest::addColumn<QPoint>("crossing");
    QTest::addColumn<double>("tolerance");

    QTest::newRow("horizontal, widest floats")
        << QLineF(-largest, 100, largest, 100) << QLineF(0, 100, 1, 100) << QPoint(0, 100) << 1.0;
    QTest::newRow("horizontal, far right end")
        << QLineF(200, 100, largest, 100) << QLineF(0, 100, 1, 100) << QPoint(399, 100) << 1.0;
    QTest::newRow("vertical, widest floats")
        << QLineF(50, -largest, 50, largest) << QLineF(50, 0, 50, 1) << QPoint(50, 444) << 1.0;
    QTest::newRow("diagonal from far away")
        << QLineF(-1e12, -1e12, 1e12, 1e12) << QLineF(0, 0, 1, 1) << QPoint(300, 300) << 1.0;
    QTest::newRow("slanted from far away")
        << QLineF(-3e12, -1e12, 3e12, 1e12) << QLineF(0, 0, 3, 1) << QPoint(300, 100) << 1.0;
    // Ends 1e30 away are known only to about 1e14 pixels in double precision;
    // the crossing still lands on the line within a couple of pixels.
    QTest::newRow("diagonal, widest floats")
        << QLineF(-largest, -largest, largest, largest) << QLineF(0, 0, 1, 1) << QPoint(300, 300) << 3.0;
    QTest::newRow("steep from beyond the top")
        << QLineF(200, -1e20, 200, 200) << QLineF(200, 0, 200, 1) << QPoint(200, 0) << 1.0;
    QTest::newRow("beyond the engine's fixed-point range")
        << QLineF(-1e9, 222, 1e9, 222) << QLineF(0, 222, 1, 222) << QPoint(5, 222) << 1.0;
}

void RasterSurfaceTest::clipsHugeLines()
{
    QFETCH(QLineF, line);
    QFETCH(QLineF, sameLineNearby);
    QFETCH(QPoint, crossing);
    QFETCH(double, tolerance);
    RasterSurface surface(surfaceSize, 1.0, Qt::white);
    drawLine(surface, line, red);
    const QImage &image = surface.image();

    // The part that crosses the surface is drawn where it lies, and only there.
    const std::vector<int> rows = paintedRows(image, crossing.x());
    QVERIFY(std::any_of(rows.begin(), rows.end(), [&](int row) { return std::abs(row - crossing.y()) <= tolerance; }));
    const QLineF unit = sameLineNearby.unitVector();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (painted(image, x, y)) {
                const double distance = std::abs(unit.dy() * (x - unit.x1()) - unit.dx() * (y - unit.y1()));
                QVERIFY2(distance <= tolerance, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
}

void RasterSurfaceTest::dropsLinesOutsideOrNotFinite_data()
{
    QTest::addColumn<QLineF>("line");

    QTest::newRow("above the surface") << QLineF(-largest, -10, largest, -10);
    QTest::newRow("left of the surface") << QLineF(-5, -largest, -5, largest);
    QTest::newRow("far away") << QLineF(1e30, 1e30, 2e30, 2e30);
    QTest::newRow("infinite end") << QLineF(10, 10, inf, 10);
    QTest::newRow("not-a-number end") << QLineF(10, 10, std::nan(""), 10);
}

void RasterSurfaceTest::dropsLinesOutsideOrNotFinite()
{
    QFETCH(QLineF, line);
    RasterSurface surface(surfaceSize, 1.0, Qt::white);
    int presented = 0;
    surface.setPresentHandler([&](const QRect &) { ++presented; });
    drawLine(surface, line, red);
    surface.Present();
    QCOMPARE(paintedCount(surface.image()), 0);
    QCOMPARE(presented, 0);
}

void RasterSurfaceTest::drawsRoundUnfilledCircles()
{
    RasterSurface surface(surfaceSize, 1.0, Qt::white);
    surface.DrawCircle(200, 250, 120, ReferenceGray);
    const QImage &image = surface.image();
    const QColor grey(100, 100, 100);

    // Every painted pixel is grey and on the circle; the inside stays empty.
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (painted(image, x, y)) {
                ++count;
                QCOMPARE(image.pixel(x, y), grey.rgb());
                const double distance = std::hypot(x + 0.5 - 200, y + 0.5 - 250);
                QVERIFY2(std::abs(distance - 120) < 1.5, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
    // A one-pixel outline round the whole circumference.
    QVERIFY(count > 2 * 120 * 3 * 0.9);
    QVERIFY(count < 2 * 120 * 3.1416 * 1.5);
    QVERIFY(painted(image, 80, 250) || painted(image, 79, 250));
    QVERIFY(painted(image, 320, 250) || painted(image, 319, 250));
    QVERIFY(painted(image, 200, 130) || painted(image, 200, 129));
    QVERIFY(painted(image, 200, 370) || painted(image, 200, 369));
}

void RasterSurfaceTest::dropsCirclesOutsideOrNotFinite_data()
{
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<double>("radius");

    QTest::newRow("infinite radius") << QPointF(200, 250) << inf;
    QTest::newRow("not-a-number radius") << QPointF(200, 250) << std::nan("");
    QTest::newRow("infinite centre") << QPointF(inf, 250) << 10.0;
    QTest::newRow("surface inside the circle") << QPointF(200, 250) << 1000.0;
    QTest::newRow("widest float radius") << QPointF(200, 250) << double(largest);
    QTest::newRow("wholly beside the surface") << QPointF(900, 250) << 100.0;
    QTest::newRow("far away and huge") << QPointF(-1e30, 0) << 1e20;
}

void RasterSurfaceTest::dropsCirclesOutsideOrNotFinite()
{
    QFETCH(QPointF, centre);
    QFETCH(double, radius);
    RasterSurface surface(surfaceSize, 1.0, Qt::white);
    drawCircle(surface, centre, radius, red);
    QCOMPARE(paintedCount(surface.image()), 0);
}

void RasterSurfaceTest::drawsTheVisibleArcOfHugeCircles_data()
{
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<double>("radius");
    QTest::addColumn<int>("middleRow");
    QTest::addColumn<int>("edgeRow");

    // Circles below the surface whose top crosses it: the arc's highest point
    // is at the middle column and it sinks by x^2 / 2r towards the edges.
    QTest::newRow("just beyond the engine's comfort") << QPointF(200, 5250) << 5000.0 << 250 << 254;
    QTest::newRow("ten million") << QPointF(200, 10'000'150) << 10'000'000.0 << 150 << 150;
}

void RasterSurfaceTest::drawsTheVisibleArcOfHugeCircles()
{
    QFETCH(QPointF, centre);
    QFETCH(double, radius);
    QFETCH(int, middleRow);
    QFETCH(int, edgeRow);
    RasterSurface surface(surfaceSize, 1.0, Qt::white);
    drawCircle(surface, centre, radius, red);
    const QImage &image = surface.image();

    for (const auto &[column, row] : {std::pair(200, middleRow), std::pair(0, edgeRow), std::pair(399, edgeRow)}) {
        const std::vector<int> rows = paintedRows(image, column);
        QVERIFY2(!rows.empty(), qPrintable(QString::number(column)));
        QVERIFY2(std::abs(rows.front() - row) <= 1, qPrintable(QStringLiteral("%1: %2").arg(column).arg(rows.front())));
        QVERIFY(rows.size() <= 2);
    }
}

void RasterSurfaceTest::presentReportsWhatChanged()
{
    RasterSurface surface(surfaceSize, 1.0, Qt::white);
    surface.Present(); // nobody watching: nothing happens

    std::vector<QRect> reports;
    surface.setPresentHandler([&](const QRect &changed) { reports.push_back(changed); });
    surface.Present();
    QVERIFY(reports.empty());

    surface.PenWidth(2);
    surface.DrawLine(100, 100, 150, 120, red);
    surface.DrawLine(150, 120, 160, 90, red);
    surface.Present();
    QCOMPARE(reports.size(), std::size_t(1));
    const QRect changed = reports.back();
    // Covers both segments with the pen's width around them, and not the whole surface.
    QVERIFY(changed.contains(QRect(98, 88, 64, 34)));
    QVERIFY(changed.width() < 80 && changed.height() < 50);

    surface.Present();
    QCOMPARE(reports.size(), std::size_t(1));

    surface.ClearSurface();
    surface.Present();
    QCOMPARE(reports.back(), QRect(QPoint(0, 0), surfaceSize));

    surface.DrawLine(-1e9, 5, 1e9, 5, red);
    surface.Present();
    QCOMPARE(reports.back().left(), 0);
    QCOMPARE(reports.back().right(), surfaceSize.width() - 1);
}

void RasterSurfaceTest::backsTheImageAtTheDevicePixelRatio()
{
    RasterSurface surface(surfaceSize, 2.0, Qt::white);
    QCOMPARE(surface.image().size(), surfaceSize * 2);
    QCOMPARE(surface.image().devicePixelRatio(), 2.0);
    QCOMPARE(surface.logicalSize(), surfaceSize);

    // Logical coordinates: a one-pixel line at y = 100 is two device rows at 200 and 201.
    surface.DrawLine(10, 100, 300, 100, red);
    const std::vector<int> rows = paintedRows(surface.image(), 300);
    QCOMPARE(rows, (std::vector<int> {200, 201}));
}

void RasterSurfaceTest::keepsThePictureWhenTheRatioChanges()
{
    RasterSurface surface(surfaceSize, 1.0, Qt::white);
    surface.DrawLine(10, 100, 300, 100, red);
    surface.Present();
    QRect reported;
    surface.setPresentHandler([&](const QRect &changed) { reported = changed; });

    surface.setDevicePixelRatio(2.0);
    QCOMPARE(surface.image().size(), surfaceSize * 2);
    QVERIFY(painted(surface.image(), 300, 200));
    QVERIFY(!painted(surface.image(), 300, 190));
    surface.Present();
    QCOMPARE(reported, QRect(QPoint(0, 0), surfaceSize));
}

QTEST_MAIN(RasterSurfaceTest)
#include "tst_raster_surface.moc"
