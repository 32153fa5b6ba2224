#include "vector_surface.h"

#include "clipping.h"

#include <QIODevice>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

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
// another: a dash as long as the outline, whose offset runs from hiding it to
// showing it whole. Without the style, or with the animation ended, the dash
// covers the whole outline, so the picture is the finished one.
class DrawingStyle
{
public:
    DrawingStyle(const std::vector<VectorSurface::Shape> &shapes, const SvgOptions &options)
    {
        if (!options.drawingSeconds)
            return;
        std::vector<double> lengths;
        lengths.reserve(shapes.size());
        for (const VectorSurface::Shape &shape : shapes)
            lengths.push_back(shape.presents > 0 ? outlineLength(shape) : -1.0);
        double total = 0.0;
        qsizetype drawn = 0;
        for (const double length : lengths) {
            total += std::max(length, 0.0);
            drawn += length >= 0.0 ? 1 : 0;
        }
        // Shapes of no length at all (a curve of one point) each take an equal share.
        const auto share = [&](double length) { return total > 0.0 ? length / total : 1.0 / double(drawn); };

        const double seconds = *options.drawingSeconds;
        const double cycle = seconds + (options.loop ? 1.0 : 0.0);
        const QString timing
            = number(cycle) + (options.loop ? QStringLiteral("s linear infinite") : QStringLiteral("s linear"));
        double done = 0.0;
        for (const double length : lengths) {
            if (length < 0.0) {
                m_classes.append(QString());
                continue;
            }
            const QString name = QStringLiteral("volvenda-draw-%1").arg(m_drawn++);
            m_classes.append(name);
            // Browsers measure the outline in single precision: a dash a
            // little longer than it still covers it, and an offset a pixel
            // beyond the dash hides even its round cap.
            const double dash = std::ceil(length * 1.01) + 2.0;
            const double from = 100.0 * done * seconds / cycle;
            done += share(length);
            const double to = 100.0 * std::min(done, 1.0) * seconds / cycle;
            m_style += QStringLiteral(".%1 { stroke-dasharray: %2 %2; animation: %1 %3 }\n")
                           .arg(name, number(dash), timing);
            m_style += QStringLiteral("@keyframes %1 { %2 { stroke-dashoffset: %3 } %4 { stroke-dashoffset: 0 } }\n")
                           .arg(name, keyframes(0.0, from), number(dash + 1.0), keyframes(to, 100.0));
        }
        // Last, so that it overrides the rules above: those who ask for less
        // motion see the finished picture.
        if (m_drawn > 0)
            m_style += QStringLiteral(
                "@media (prefers-reduced-motion: reduce) { [class^=volvenda-draw-] { animation: none } }\n");
    }

    [[nodiscard]] bool isEmpty() const { return m_style.isEmpty(); }
    [[nodiscard]] const QString &style() const { return m_style; }
    // The class of the index-th shape; empty for one that is not drawn in time.
    [[nodiscard]] QString className(std::size_t index) const
    {
        return index < std::size_t(m_classes.size()) ? m_classes[qsizetype(index)] : QString();
    }

private:
    // The keyframe selector for the span of percentages from to to.
    static QString keyframes(double from, double to)
    {
        const QString first = number(from) + QLatin1Char('%');
        return to > from ? first + QStringLiteral(", ") + number(to) + QLatin1Char('%') : first;
    }

    QString m_style;
    QStringList m_classes;
    qsizetype m_drawn = 0;
};

} // namespace

VectorSurface::VectorSurface(QSize logicalSize, QColor background)
    : m_logicalSize(logicalSize)
    , m_background(background)
{
}

void VectorSurface::ClearSurface()
{
    m_shapes.clear();
}

void VectorSurface::PenWidth(int width)
{
    m_penWidth = std::max(width, 1);
}

void VectorSurface::DrawCircle(float x, float y, float radius, COLORREF colour)
{
    const QPointF centre(x, y);
    const double r = std::fabs(static_cast<double>(radius));
    const VisibleCircle visible = visiblePart(centre, r, m_penWidth, strokeBounds(QSizeF(m_logicalSize), m_penWidth));
    if (visible.whole) {
        m_shapes.push_back(Shape {colour, m_penWidth, Circle {centre, r}, m_presents});
        return;
    }
    for (qsizetype i = 1; i < visible.arc.size(); ++i)
        addSegment(visible.arc[i - 1], visible.arc[i], colour);
}

void VectorSurface::DrawLine(float x1, float y1, float x2, float y2, COLORREF colour)
{
    addSegment(QPointF(x1, y1), QPointF(x2, y2), colour);
}

void VectorSurface::addSegment(QPointF from, QPointF to, COLORREF colour)
{
    const std::optional<QLineF> visible
        = clipSegment(QLineF(from, to), strokeBounds(QSizeF(m_logicalSize), m_penWidth));
    if (!visible)
        return;

    // A segment continues the open path when it starts or ends where the path
    // ends. The tracer draws each segment from the new point back to the last
    // one; a path of one segment may have been read the wrong way round, so
    // it is turned when the next one meets its other end.
    if (!m_pathEnded && !m_shapes.empty() && m_shapes.back().colour == colour && m_shapes.back().width == m_penWidth) {
        if (auto *path = std::get_if<QPolygonF>(&m_shapes.back().geometry)) {
            if (path->size() == 2 && (path->front() == visible->p1() || path->front() == visible->p2()))
                std::swap((*path)[0], (*path)[1]);
            if (path->back() == visible->p2()) {
                path->append(visible->p1());
                return;
            }
            if (path->back() == visible->p1()) {
                path->append(visible->p2());
                return;
            }
        }
    }
    m_shapes.push_back(Shape {colour, m_penWidth, QPolygonF {visible->p2(), visible->p1()}, m_presents});
    m_pathEnded = false;
}

void VectorSurface::endPath()
{
    m_pathEnded = true;
    // A path no longer grows: its spare room is given back.
    if (!m_shapes.empty())
        if (auto *path = std::get_if<QPolygonF>(&m_shapes.back().geometry))
            path->squeeze();
}

bool VectorSurface::writeSvg(QIODevice &device, const SvgOptions &options) const
{
    const QRect canvas(QPoint(0, 0), m_logicalSize);
    const QRect view = options.view.value_or(canvas);
    const DrawingStyle drawing(m_shapes, options);

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
    if (!drawing.isEmpty()) {
        xml.writeStartElement(QStringLiteral("style"));
        xml.writeAttribute(QStringLiteral("type"), QStringLiteral("text/css"));
        xml.writeCharacters(QLatin1Char('\n') + drawing.style());
        xml.writeEndElement();
    }

    xml.writeEmptyElement(QStringLiteral("rect"));
    if (view.topLeft() != QPoint(0, 0)) {
        xml.writeAttribute(QStringLiteral("x"), QString::number(view.x()));
        xml.writeAttribute(QStringLiteral("y"), QString::number(view.y()));
    }
    xml.writeAttribute(QStringLiteral("width"), QString::number(view.width()));
    xml.writeAttribute(QStringLiteral("height"), QString::number(view.height()));
    xml.writeAttribute(QStringLiteral("fill"), m_background.name());

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
    for (std::size_t i = 0; i < m_shapes.size(); ++i) {
        const Shape &shape = m_shapes[i];
        if (const auto *circle = std::get_if<Circle>(&shape.geometry)) {
            xml.writeEmptyElement(QStringLiteral("circle"));
            xml.writeAttribute(QStringLiteral("cx"), number(circle->centre.x()));
            xml.writeAttribute(QStringLiteral("cy"), number(circle->centre.y()));
            xml.writeAttribute(QStringLiteral("r"), number(circle->radius));
        } else {
            xml.writeEmptyElement(QStringLiteral("path"));
            xml.writeAttribute(QStringLiteral("d"), pathData(std::get<QPolygonF>(shape.geometry)));
        }
        if (const QString name = drawing.className(i); !name.isEmpty())
            xml.writeAttribute(QStringLiteral("class"), name);
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
