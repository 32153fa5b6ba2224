#include "svg_writing.h"

#include <QIODevice>
#include <QLineF>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace volvenda {

namespace {

// Enough digits for a single-precision coordinate to survive the round trip.
QString number(double value)
{
    return QString::number(value, 'g', 9);
}

QString pathData(const QPolygonF &points)
{
    QString data;
    data.reserve(points.size() * 10);
    for (qsizetype i = 0; i < points.size(); ++i) {
        data += QLatin1Char(i == 0 ? 'M' : 'L') + number(points[i].x()) + QLatin1Char(',') + number(points[i].y());
        if (i + 1 < points.size())
            data += QLatin1Char(' ');
    }
    return data;
}

void writeStroke(QXmlStreamWriter &xml, const VectorSurface::Shape &shape)
{
    xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
    xml.writeAttribute(QStringLiteral("stroke"), toQColor(shape.colour).name());
    xml.writeAttribute(QStringLiteral("stroke-width"), QString::number(shape.width));
    xml.writeAttribute(QStringLiteral("stroke-linecap"), QStringLiteral("round"));
    xml.writeAttribute(QStringLiteral("stroke-linejoin"), QStringLiteral("round"));
}

// The length along which a shape is drawn.
double outlineLength(const VectorSurface::Shape &shape)
{
    if (const auto *circle = std::get_if<VectorSurface::Circle>(&shape.geometry))
        return 2.0 * std::numbers::pi * circle->radius;
    const auto &points = std::get<QPolygonF>(shape.geometry);
    double length = 0.0;
    for (qsizetype i = 1; i < points.size(); ++i)
        length += QLineF(points[i - 1], points[i]).length();
    return length;
}

// The style that draws each shape begun after the first Present, one after
// another, each at the same pace along its length: a dash longer than the
// shape, whose offset runs from hiding it, round cap and all, to reaching its
// end just when its time is up. Each shape says how long it is (pathLength),
// so that a browser measuring it its own way still ends it then. Without the
// style, or once it has run, the dash covers the shape: the finished picture.
//
// Browsers work dashes out in single precision, and Chromium cuts a dash or
// an offset of more than about 2^25 down to that. So a shape longer than
// LongestShape pixels is given that many units as its pathLength, and its
// dash and offsets are in those units. The unit spared beyond each cap is
// then a pixel on a shorter shape, and on a longer one many times the
// rounding of a float as large as the places it marks, at most twice the
// shape's length.
class DrawingStyle
{
public:
    DrawingStyle(const std::vector<VectorSurface::Shape> &shapes, const SvgOptions &options)
    {
        m_drawn.resize(shapes.size());
        if (!options.drawingSeconds)
            return;
        double total = 0.0;
        qsizetype count = 0;
        for (std::size_t i = 0; i < shapes.size(); ++i) {
            if (shapes[i].presents == 0)
                continue;
            m_drawn[i].length = outlineLength(shapes[i]);
            total += m_drawn[i].length;
            ++count;
        }
        // Shapes of no length at all (a curve of one point) each take an equal share.
        const auto share = [&](double length) { return total > 0.0 ? length / total : 1.0 / double(count); };

        const double seconds = *options.drawingSeconds;
        const double cycle = seconds + (options.loop ? 1.0 : 0.0);
        const QString timing
            = number(cycle) + (options.loop ? QStringLiteral("s linear infinite") : QStringLiteral("s linear"));
        double done = 0.0;
        qsizetype index = 0;
        for (std::size_t i = 0; i < shapes.size(); ++i) {
            if (shapes[i].presents == 0)
                continue;
            Drawn &drawn = m_drawn[i];
            drawn.name = QStringLiteral("volvenda-draw-%1").arg(index++);
            const double units = drawn.length > LongestShape ? LongestShape / drawn.length : 1.0;
            drawn.pathLength = drawn.length * units;
            const double width = shapes[i].width * units;
            const double dash = drawn.pathLength + width + 2.0;
            const double hidden = dash + width / 2.0 + 1.0;
            const double from = 100.0 * done * seconds / cycle;
            done += share(drawn.length);
            const double to = 100.0 * std::min(done, 1.0) * seconds / cycle;
            m_style += QStringLiteral(".%1 { stroke-dasharray: %2 %2; animation: %1 %3 }\n")
                           .arg(drawn.name, number(dash), timing);
            m_style += QStringLiteral("@keyframes %1 { %2 { stroke-dashoffset: %3 } %4 { stroke-dashoffset: %5 } }\n")
                           .arg(drawn.name, keyframes(0.0, from), number(hidden), keyframes(to, 100.0),
                               number(dash - drawn.pathLength));
        }
        // Last, so that it overrides the rules above: those who ask for less
        // motion see the finished picture.
        if (count > 0)
            m_style += QStringLiteral(
                "@media (prefers-reduced-motion: reduce) { [class^=volvenda-draw-] { animation: none } }\n");
    }

    [[nodiscard]] bool isEmpty() const { return m_style.isEmpty(); }
    [[nodiscard]] const QString &style() const { return m_style; }

    // The class and length of the index-th shape, in pixels and as the
    // browser is told it; no class for one that is not drawn in time.
    struct Drawn
    {
        QString name;
        double length = 0.0;
        double pathLength = 0.0;
    };
    [[nodiscard]] const Drawn &shape(std::size_t index) const { return m_drawn[index]; }

private:
    static constexpr double LongestShape = 0x1p18;

    // The keyframe selector for the span of percentages from to to.
    static QString keyframes(double from, double to)
    {
        const QString first = number(from) + QLatin1Char('%');
        return to > from ? first + QStringLiteral(", ") + number(to) + QLatin1Char('%') : first;
    }

    QString m_style;
    std::vector<Drawn> m_drawn;
};

} // namespace

bool writeSvg(const VectorSurface &drawing, QIODevice &device, const SvgOptions &options)
{
    const QRect canvas(QPoint(0, 0), drawing.logicalSize());
    const QRect view = options.view.value_or(canvas);
    const DrawingStyle style(drawing.shapes(), options);

    QXmlStreamWriter xml(&device);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("svg"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    xml.writeAttribute(QStringLiteral("width"), QString::number(view.width()));
    xml.writeAttribute(QStringLiteral("height"), QString::number(view.height()));
    xml.writeAttribute(QStringLiteral("viewBox"),
        QStringLiteral("%1 %2 %3 %4").arg(view.x()).arg(view.y()).arg(view.width()).arg(view.height()));
    if (!style.isEmpty()) {
        xml.writeStartElement(QStringLiteral("style"));
        xml.writeAttribute(QStringLiteral("type"), QStringLiteral("text/css"));
        xml.writeCharacters(QLatin1Char('\n') + style.style());
        xml.writeEndElement();
    }

    xml.writeEmptyElement(QStringLiteral("rect"));
    if (view.topLeft() != QPoint(0, 0)) {
        xml.writeAttribute(QStringLiteral("x"), QString::number(view.x()));
        xml.writeAttribute(QStringLiteral("y"), QString::number(view.y()));
    }
    xml.writeAttribute(QStringLiteral("width"), QString::number(view.width()));
    xml.writeAttribute(QStringLiteral("height"), QString::number(view.height()));
    xml.writeAttribute(QStringLiteral("fill"), drawing.background().name());

    // Round caps and circles reach past the canvas's edges; a view that
    // reaches beyond them shows the background there. The clip is in the
    // canvas's coordinates, outside the move to pixel centres below.
    const bool clipped = !canvas.contains(view);
    if (clipped) {
        xml.writeStartElement(QStringLiteral("clipPath"));
        xml.writeAttribute(QStringLiteral("id"), QStringLiteral("volvenda-canvas"));
        xml.writeEmptyElement(QStringLiteral("rect"));
        xml.writeAttribute(QStringLiteral("width"), QString::number(canvas.width()));
        xml.writeAttribute(QStringLiteral("height"), QString::number(canvas.height()));
        xml.writeEndElement();
        xml.writeStartElement(QStringLiteral("g"));
        xml.writeAttribute(QStringLiteral("clip-path"), QStringLiteral("url(#volvenda-canvas)"));
    }

    // Whole coordinates name pixels; their centres are half a pixel in.
    xml.writeStartElement(QStringLiteral("g"));
    xml.writeAttribute(QStringLiteral("transform"), QStringLiteral("translate(0.5 0.5)"));
    const std::vector<VectorSurface::Shape> &shapes = drawing.shapes();
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const VectorSurface::Shape &shape = shapes[i];
        if (const auto *circle = std::get_if<VectorSurface::Circle>(&shape.geometry)) {
            xml.writeEmptyElement(QStringLiteral("circle"));
            xml.writeAttribute(QStringLiteral("cx"), number(circle->centre.x()));
            xml.writeAttribute(QStringLiteral("cy"), number(circle->centre.y()));
            xml.writeAttribute(QStringLiteral("r"), number(circle->radius));
        } else {
            xml.writeEmptyElement(QStringLiteral("path"));
            xml.writeAttribute(QStringLiteral("d"), pathData(std::get<QPolygonF>(shape.geometry)));
        }
        if (const DrawingStyle::Drawn &drawn = style.shape(i); !drawn.name.isEmpty()) {
            xml.writeAttribute(QStringLiteral("class"), drawn.name);
            if (drawn.length > 0.0)
                xml.writeAttribute(QStringLiteral("pathLength"), number(drawn.pathLength));
        }
        writeStroke(xml, shape);
    }
    xml.writeEndElement(); // g
    if (clipped)
        xml.writeEndElement(); // g
    xml.writeEndElement(); // svg
    xml.writeEndDocument();
    return !xml.hasError();
}

} // namespace volvenda
