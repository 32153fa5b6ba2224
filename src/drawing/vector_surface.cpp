#include "vector_surface.h"

#include "clipping.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace volvenda {

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
    m_penWidth = drawnPenWidth(width);
    endPath();
}

void VectorSurface::DrawCircle(float x, float y, float radius, COLORREF colour)
{
    const QPointF centre(x, y);
    drawVisibleCircle(
        centre, radius, m_penWidth, strokeBounds(QSizeF(m_logicalSize), m_penWidth),
        [&](double r) {
            m_shapes.push_back(Shape {colour, m_penWidth, Circle {centre, r}, m_presents});
        },
        [&](const QLineF &side) { addSegment(side.p1(), side.p2(), colour); });
}

void VectorSurface::DrawLine(float x1, float y1, float x2, float y2, COLORREF colour)
{
    addSegment(QPointF(x1, y1), QPointF(x2, y2), colour);
}

void VectorSurface::addSegment(QPointF from, QPointF to, COLORREF colour)
{
    const QRectF kept = keptBounds(QSizeF(m_logicalSize));
    const std::optional<QLineF> visible = clipSegment(QLineF(from, to), kept);
    if (!visible)
        return;

    // A segment continues the open path when it starts or ends where the path
    // ends. The tracer draws each segment from the new point back to the last
    // one; a path of one segment may have been read the wrong way round, so
    // it is turned when the next one meets its other end, and only then: a
    // step straight back over the first meets both.
    if (!m_pathEnded && !m_shapes.empty() && m_shapes.back().colour == colour && m_shapes.back().width == m_penWidth) {
        if (auto *path = std::get_if<QPolygonF>(&m_shapes.back().geometry)) {
            const bool meetsEnd = path->back() == visible->p1() || path->back() == visible->p2();
            if (path->size() == 2 && !meetsEnd && (path->front() == visible->p1() || path->front() == visible->p2()))
                std::swap((*path)[0], (*path)[1]);
            if (path->back() == visible->p2()) {
                path->append(visible->p1());
                return;
            }
            if (path->back() == visible->p1()) {
                path->append(visible->p2());
                return;
            }
            // Back from beyond the kept bounds: the path goes round by their
            // edge, far from the canvas, so that the run stays one path.
            if (onEdge(path->back(), kept) && onEdge(visible->p2(), kept)) {
                *path << alongEdge(path->back(), visible->p2(), kept) << visible->p2() << visible->p1();
                return;
            }
        }
    }
    // Appended, not listed: out of memory, QList's list constructor would fill
    // memory it never got.
    QPolygonF path;
    path << visible->p2() << visible->p1();
    m_shapes.push_back(Shape {colour, m_penWidth, std::move(path), m_presents});
    m_pathEnded = false;
}

void VectorSurface::endPath()
{
    m_pathEnded = true;
    auto *path = m_shapes.empty() ? nullptr : std::get_if<QPolygonF>(&m_shapes.back().geometry);
    if (!path || path->size() == path->capacity())
        return;
    // A path no longer grows: its spare room is given back. Not by squeeze,
    // which copies into memory it never checks it got, so that running out
    // of memory would crash instead of throwing: reserve on an empty list
    // takes nothing when it fails, and the append checks what it gets.
    QPolygonF tight;
    tight.reserve(path->size());
    tight.append(path->cbegin(), path->cend());
    *path = std::move(tight);
}

} // namespace volvenda
