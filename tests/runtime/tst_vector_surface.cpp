#include "runtime/vector_surface.h"

#include <QBuffer>
#include <QTest>
#include <QXmlStreamReader>

#include <limits>

using namespace volvenda;

namespace {

const QSize surfaceSize(400, 445);
constexpr COLORREF red = composeColor(255, 0, 0);
constexpr COLORREF blue = composeColor(0, 0, 255);

const QPolygonF &pathOf(const VectorSurface::Shape &shape)
{
    return std::get<QPolygonF>(shape.geometry);
}

// Element names of the written document, in order.
QStringList elementsOf(const VectorSurface &surface)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!surface.writeSvg(buffer))
        return {};
    QXmlStreamReader xml(buffer.data());
    QStringList names;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement)
            names << xml.name().toString();
    return xml.hasError() ? QStringList {} : names;
}

} // namespace

class VectorSurfaceTest final : public QObject
{
    Q_OBJECT

private slots:
    void joinsSegmentsDrawnBackwards();
    void joinsSegmentsDrawnForwards();
    void startsANewPathOnAnotherColourOrWidth();
    void startsANewPathWhereTheCurveLeavesTheSurface();
    void keepsCirclesAsCircles();
    void clearEmptiesIt();
    void writesWellFormedSvg();
};

void VectorSurfaceTest::joinsSegmentsDrawnBackwards()
{
    // As the tracer draws: from each new point back to the previous one.
    VectorSurface surface(surfaceSize, Qt::white);
    surface.DrawLine(20, 10, 10, 10, red);
    surface.DrawLine(30, 20, 20, 10, red);
    surface.DrawLine(40, 40, 30, 20, red);
    QCOMPARE(surface.shapes().size(), std::size_t(1));
    QCOMPARE(pathOf(surface.shapes().front()), (QPolygonF {{10, 10}, {20, 10}, {30, 20}, {40, 40}}));
}

void VectorSurfaceTest::joinsSegmentsDrawnForwards()
{
    VectorSurface surface(surfaceSize, Qt::white);
    surface.DrawLine(10, 10, 20, 10, red);
    surface.DrawLine(20, 10, 30, 20, red);
    QCOMPARE(surface.shapes().size(), std::size_t(1));
    QCOMPARE(pathOf(surface.shapes().front()).size(), 3);
}

void VectorSurfaceTest::startsANewPathOnAnotherColourOrWidth()
{
    VectorSurface surface(surfaceSize, Qt::white);
    surface.DrawLine(20, 10, 10, 10, red);
    surface.DrawLine(30, 20, 20, 10, blue);
    surface.PenWidth(2);
    surface.DrawLine(40, 40, 30, 20, blue);
    surface.DrawLine(90, 90, 80, 80, blue);
    QCOMPARE(surface.shapes().size(), std::size_t(4));
    QCOMPARE(surface.shapes()[2].width, 2);
    QCOMPARE(surface.shapes()[1].colour, blue);
}

void VectorSurfaceTest::startsANewPathWhereTheCurveLeavesTheSurface()
{
    VectorSurface surface(surfaceSize, Qt::white);
    surface.DrawLine(390, 100, 380, 100, red);
    surface.DrawLine(1e30F, 100, 390, 100, red); // clipped at the right edge
    surface.DrawLine(390, 120, 1e30F, 120, red); // comes back elsewhere
    surface.DrawLine(380, 120, 390, 120, red);
    surface.DrawLine(std::numeric_limits<float>::infinity(), 0, 0, 0, red);
    QCOMPARE(surface.shapes().size(), std::size_t(2));
    for (const auto &shape : surface.shapes())
        for (const QPointF &point : pathOf(shape))
            QVERIFY(point.x() <= 404 && point.x() >= -4);
}

void VectorSurfaceTest::keepsCirclesAsCircles()
{
    VectorSurface surface(surfaceSize, Qt::white);
    surface.DrawCircle(200, 250, -120, ReferenceGray);
    surface.DrawCircle(200, 250, std::numeric_limits<float>::infinity(), ReferenceGray);
    surface.DrawCircle(200, 250, 5000, ReferenceGray); // wholly round the surface
    QCOMPARE(surface.shapes().size(), std::size_t(1));
    const auto &circle = std::get<VectorSurface::Circle>(surface.shapes().front().geometry);
    QCOMPARE(circle.centre, QPointF(200, 250));
    QCOMPARE(circle.radius, 120.0);

    // A huge circle that crosses the surface becomes the path of its visible arc.
    surface.DrawCircle(200, 10'000'150, 10'000'000, red);
    QCOMPARE(surface.shapes().size(), std::size_t(2));
    for (const QPointF &point : pathOf(surface.shapes().back()))
        QVERIFY(std::abs(point.y() - 150) < 20);
}

void VectorSurfaceTest::clearEmptiesIt()
{
    VectorSurface surface(surfaceSize, Qt::white);
    surface.DrawCircle(200, 250, 120, ReferenceGray);
    surface.DrawLine(1, 2, 3, 4, red);
    surface.ClearSurface();
    QVERIFY(surface.shapes().empty());
    QCOMPARE(elementsOf(surface), (QStringList {"svg", "rect", "g"}));
}

void VectorSurfaceTest::writesWellFormedSvg()
{
    VectorSurface surface(surfaceSize, Qt::white);
    surface.DrawCircle(200, 250, 120, ReferenceGray);
    surface.PenWidth(2);
    surface.DrawLine(20, 10, 10, 10, red);
    surface.DrawLine(30, 20, 20, 10, red);
    QCOMPARE(elementsOf(surface), (QStringList {"svg", "rect", "g", "circle", "path"}));
}

QTEST_GUILESS_MAIN(VectorSurfaceTest)
#include "tst_vector_surface.moc"
