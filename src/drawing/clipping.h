#pragma once

#include <QLineF>
#include <QPolygonF>
#include <QRectF>

#include <cmath>
#include <optional>

namespace volvenda {

// Geometry done in double precision before anything reaches the paint engine,
// whose fixed-point rasteriser drops or mangles coordinates far outside the
// image. Everything returned here lies within, or next to, the bounds.

// The part of a segment inside bounds (edges included); nullopt when none is,
// or when a coordinate is not finite.
[[nodiscard]] std::optional<QLineF> clipSegment(const QLineF &segment, const QRectF &bounds);

// Whether the outline of a circle (stroke width included) touches bounds.
// False for a non-finite centre or radius.
[[nodiscard]] bool circleMeetsRect(QPointF centre, double radius, double strokeWidth, const QRectF &bounds);

// How much of a circle to draw within bounds: nothing, the whole circle as
// it is, or, for a circle too large to hand to the paint engine, the arc of it
// that crosses bounds as a polyline.
struct VisibleCircle
{
    bool whole = false;
    QPolygonF arc;
};
[[nodiscard]] VisibleCircle visiblePart(QPointF centre, double radius, double strokeWidth, const QRectF &bounds);

// Draws a circle (of radius, made non-negative) as every surface does: as it
// is through whole(r) when the paint engine can take it, else the part of it
// within bounds side by side through side(QLineF); nothing when none is.
template<typename Whole, typename Side>
void drawVisibleCircle(QPointF centre, float radius, int penWidth, const QRectF &bounds, Whole &&whole, Side &&side)
{
    const double r = std::fabs(double(radius));
    const VisibleCircle visible = visiblePart(centre, r, penWidth, bounds);
    if (visible.whole)
        whole(r);
    for (qsizetype i = 1; i < visible.arc.size(); ++i)
        side(QLineF(visible.arc[i - 1], visible.arc[i]));
}

// A surface's bounds widened by the pen, so that a round cap just outside the
// surface still reaches into it and clipping never shows at the edges.
[[nodiscard]] QRectF strokeBounds(QSizeF surfaceSize, int penWidth);

// The same for the part view of a surface (in its coordinates): where the
// surface's bounds and the view's, both widened so, overlap.
[[nodiscard]] QRectF viewStrokeBounds(QSizeF surfaceSize, const QRectF &view, int penWidth);

// Where the vector surface keeps a stroke: the canvas and as much again on
// every side. Within it a curve that leaves the canvas stays whole, for the
// canvas's clip to cut; beyond it the geometry is cut, so that coordinates
// stay of a size every SVG viewer draws.
[[nodiscard]] QRectF keptBounds(QSizeF surfaceSize);

// The corners of bounds passed on the shorter way along its edge from one
// point of the edge to another, in order; none when both lie on one side.
[[nodiscard]] QPolygonF alongEdge(QPointF from, QPointF to, const QRectF &bounds);

// Whether p lies on the edge of bounds, as clipSegment puts ends there: exactly.
[[nodiscard]] bool onEdge(QPointF p, const QRectF &bounds);

} // namespace volvenda
