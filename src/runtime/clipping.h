#pragma once

#include <QLineF>
#include <QPolygonF>
#include <QRectF>

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

// For a circle too large to hand to the paint engine: the arc of it that can
// cross bounds, as a polyline with vertices no further apart than maxStep
// (and never more than a bounded number of them). The centre must lie outside
// bounds.
[[nodiscard]] QPolygonF arcAcross(QPointF centre, double radius, const QRectF &bounds, double maxStep);

} // namespace volvenda
