#include "vector_surface.h"

#include "clipping.h"

#include <QIODevice>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>
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
        m_shapes.push_back(Shape {colour, m_penWidth, Circle {centre, r}});
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
    m_shapes.push_back(Shape {colour, m_penWidth, QPolygonF {visible->p2(), visible->p1()}});
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

bool VectorSurface::writeSvg(QIODevice &device) const
{
    QXmlStreamWriter xml(&device);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("svg"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    xml.writeAttribute(QStringLiteral("width"), QString::number(m_logicalSize.width()));
    xml.writeAttribute(QStringLiteral("height"), QString::number(m_logicalSize.height()));
    xml.writeAttribute(
        QStringLiteral("viewBox"), QStringLiteral("0 0 %1 %2").arg(m_logicalSize.width()).arg(m_logicalSize.height()));

    xml.writeEmptyElement(QStringLiteral("rect"));
    xml.writeAttribute(QStringLiteral("width"), QString::number(m_logicalSize.width()));
    xml.writeAttribute(QStringLiteral("height"), QString::number(m_logicalSize.height()));
    xml.writeAttribute(QStringLiteral("fill"), m_background.name());

    // Whole coordinates name pixels; their centres are half a pixel in.
    xml.writeStartElement(QStringLiteral("g"));
    xml.writeAttribute(QStringLiteral("transform"), QStringLiteral("translate(0.5 0.5)"));
    for (const Shape &shape : m_shapes) {
        if (const auto *circle = std::get_if<Circle>(&shape.geometry)) {
            xml.writeEmptyElement(QStringLiteral("circle"));
            xml.writeAttribute(QStringLiteral("cx"), number(circle->centre.x()));
            xml.writeAttribute(QStringLiteral("cy"), number(circle->centre.y()));
            xml.writeAttribute(QStringLiteral("r"), number(circle->radius));
        } else {
            xml.writeEmptyElement(QStringLiteral("path"));
            xml.writeAttribute(QStringLiteral("d"), pathData(std::get<QPolygonF>(shape.geometry)));
        }
        writeStroke(xml, shape);
    }
    xml.writeEndElement(); // g
    xml.writeEndElement(); // svg
    xml.writeEndDocument();
    return !xml.hasError();
}

} // namespace volvenda
