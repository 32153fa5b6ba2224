#include "support/cases.h"
#include "support/pictures.h"

#include "drawing/vector_surface.h"
#include "output/svg_writing.h"

#include <QBuffer>

using namespace volvenda;

// How a 200 x 150 canvas is written, the view box and background that show
// it, and whether its shapes must be clipped to it.
struct View
{
    SvgOptions options;
    QRectF box;
    bool clipped = false;
};

class SvgWritingTest final : public QObject
{
    Q_OBJECT

private slots:
    void drawsTheShapesWhereTheyWereDrawn_data()
    {
        addRows<View>({
            {"the whole canvas", {{}, {0, 0, 200, 150}}},
            {"a part of it", {{QRect(20, 30, 100, 50), {}}, {20, 30, 100, 50}}},
            {"beyond every edge", {{QRect(-20, -10, 240, 170), {}}, {-20, -10, 240, 170}, true}},
            {"beyond a corner, drawing itself", {{QRect(150, 100, 100, 100), 2.0, true}, {150, 100, 100, 100}, true}},
        });
    }
    void drawsTheShapesWhereTheyWereDrawn()
    {
        QFETCH(View, row);
        VectorSurface surface(QSize(200, 150), Qt::white);
        surface.DrawCircle(50, 60, 20, composeColour(100, 100, 100));
        surface.Present();
        // Drawn as the tracer draws, from each new point back to the last; 7
        // significant digits, as a float may need.
        const QPolygonF polyline {{10.25, 12}, {123.5625, 33.125}, {140, 120}};
        surface.PenWidth(3);
        for (qsizetype i = 1; i < polyline.size(); ++i)
            surface.DrawLine(float(polyline[i].x()), float(polyline[i].y()), float(polyline[i - 1].x()),
                float(polyline[i - 1].y()), composeColour(31, 111, 209));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(writeSvg(surface, buffer, row.options));

        const SvgDrawing svg = readSvg(buffer.data());
        QCOMPARE(svg.error, QString());
        QCOMPARE(svg.size, row.box.size());
        QCOMPARE(svg.viewBox, row.box);
        QCOMPARE(svg.background, row.box);
        QCOMPARE(svg.shapes.size(), 2);
        for (const SvgShape &shape : svg.shapes) {
            // Whole coordinates are pixel centres, half a pixel in.
            QCOMPARE(shape.shift, QPointF(0.5, 0.5));
            QCOMPARE(shape.clip, row.clipped ? std::optional(QRectF(0, 0, 200, 150)) : std::nullopt);
        }
        const SvgShape &circle = svg.shapes[0], &path = svg.shapes[1];
        QCOMPARE(circle.points, QPolygonF {QPointF(50, 60)});
        QCOMPARE(std::tuple(circle.radius, circle.stroke, circle.width), std::tuple(20.0, QColor(100, 100, 100), 1.0));
        QCOMPARE(path.points, polyline);
        QCOMPARE(std::tuple(path.stroke, path.width), std::tuple(QColor(31, 111, 209), 3.0));
    }
};

QTEST_GUILESS_MAIN(SvgWritingTest)
#include "tst_svg_writing.moc"
