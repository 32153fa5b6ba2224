#include "clipping.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace volvenda {

namespace {

bool isFinite(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// Distance from p to the nearest point of rect (0 inside) and to its farthest corner.
double nearestDistance(QPointF p, const QRectF &rect)
{
    const double dx = std::max({rect.left() - p.x(), 0.0, p.x() - rect.right()});
    const double dy = std::max({rect.top() - p.y(), 0.0, p.y() - rect.bottom()});
    return std::hypot(dx, dy);
}

double farthestDistance(QPointF p, const QRectF &rect)
{
    const double dx = std::max(std::fabs(p.x() - rect.left()), std::fabs(p.x() - rect.right()));
    const double dy = std::max(std::fabs(p.y() - rect.top()), std::fabs(p.y() - rect.bottom()));
    return std::hypot(dx, dy);
}

// Circles up to this radius go to the paint engine as they are; larger ones,
// where its fixed-point arithmetic would fail, are drawn as the polyline of
// the arc that crosses the surface.
constexpr double LargestEngineRadius = 4096.0;

// Vertices of the polyline of a large circle are at most this far apart.
constexpr double ArcStep = 1.0;

// For a circle too large to hand to the paint engine: the arc of it that can
// cross bounds, as a polyline with vertices no further apart than maxStep
// (and never more than a bounded number of them). The centre lies outside
// bounds.
QPolygonF arcAcross(QPointF centre, double radius, const QRectF &bounds, double maxStep)
{
    // Seen from the centre, the rect spans less than half a turn. Measure each
    // corner's direction from the direction of the rect's middle.
    const QPointF middle = bounds.center();
    const double reference = std::atan2(middle.y() - centre.y(), middle.x() - centre.x());
    const std::array corners {bounds.topLeft(), bounds.topRight(), bounds.bottomLeft(), bounds.bottomRight()};
    double low = 0.0;
    double high = 0.0;
    for (const QPointF &corner : corners) {
        const double angle = std::atan2(corner.y() - centre.y(), corner.x() - centre.x());
        const double offset = std::remainder(angle - reference, 2.0 * std::numbers::pi);
        low = std::min(low, offset);
        high = std::max(high, offset);
    }

    // The arc length inside that wedge is a few times the rect's size, as the
    // circle must pass near the rect; the cap guards against anything else.
    constexpr double maxVertices = 65536.0;
    const double r = std::fabs(radius);
    const double steps = std::clamp(std::ceil((high - low) * r / maxStep), 1.0, maxVertices);
    const auto count = static_cast<int>(steps);
    QPolygonF arc;
    arc.reserve(count + 1);
    for (int i = 0; i <= count; ++i) {
        const double angle = reference + low + (high - low) * i / steps;
        arc.append(QPointF(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle)));
    }
    return arc;
}

} // namespace

QRectF strokeBounds(QSizeF surfaceSize, int penWidth)
{
    const double margin = penWidth + 1.0;
    return QRectF(QPointF(0, 0), surfaceSize).adjusted(-margin, -margin, margin, margin);
}

QRectF viewStrokeBounds(QSizeF surfaceSize, const QRectF &view, int penWidth)
{
    const double margin = penWidth + 1.0;
    return strokeBounds(surfaceSize, penWidth) & view.adjusted(-margin, -margin, margin, margin);
}

QRectF keptBounds(QSizeF surfaceSize)
{
    return QRectF(QPointF(0, 0), surfaceSize)
        .adjusted(-surfaceSize.width(), -surfaceSize.height(), surfaceSize.width(), surfaceSize.height());
}

bool onEdge(QPointF p, const QRectF &bounds)
{
    const bool withinX = p.x() >= bounds.left() && p.x() <= bounds.right();
    const bool withinY = p.y() >= bounds.top() && p.y() <= bounds.bottom();
    return (withinY && (p.x() == bounds.left() || p.x() == bounds.right()))
        || (withinX && (p.y() == bounds.top() || p.y() == bounds.bottom()));
}

QPolygonF alongEdge(QPointF from, QPointF to, const QRectF &bounds)
{
    // Positions along the edge, clockwise from the top-left corner.
    const double width = bounds.width();
    const double height = bounds.height();
    const double perimeter = 2 * (width + height);
    const auto position = [&](QPointF p) {
        if (p.y() == bounds.top())
            return p.x() - bounds.left();
        if (p.x() == bounds.right())
            return width + p.y() - bounds.top();
        if (p.y() == bounds.bottom())
            return width + height + bounds.right() - p.x();
        return 2 * width + height + bounds.bottom() - p.y();
    };
    const std::array corners {bounds.topLeft(), bounds.topRight(), bounds.bottomRight(), bounds.bottomLeft()};
    const std::array cornerAt {0.0, width, width + height, 2 * width + height};
    const double start = position(from);
    const double clockwise = std::fmod(position(to) - start + perimeter, perimeter);
    const bool forward = clockwise <= perimeter / 2;
    const double length = forward ? clockwise : perimeter - clockwise;
    QList<std::pair<double, QPointF>> passed;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const double along = std::fmod((forward ? cornerAt[i] - start : start - cornerAt[i]) + perimeter, perimeter);
        if (along > 0 && along < length)
            passed.append({along, corners[i]});
    }
    std::sort(passed.begin(), passed.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QPolygonF route;
    for (const auto &[along, corner] : passed)
        route << corner;
    return route;
}

std::optional<QLineF> clipSegment(const QLineF &segment, const QRectF &bounds)
{
    QPointF from = segment.p1();
    QPointF to = segment.p2();
    if (!isFinite(from) || !isFinite(to))
        return std::nullopt;

    // Cohen-Sutherland: move an end that lies outside onto the edge it is
    // beyond, setting that coordinate exactly and interpolating the other from
    // the opposite end. Unlike a parametric clip this stays exact for
    // axis-parallel lines whatever their length, and keeps the error of
    // others to that of their own far coordinates.
    constexpr unsigned toLeft = 1U, toRight = 2U, above = 4U, below = 8U;
    const auto outcode = [&](QPointF p) {
        return (p.x() < bounds.left() ? toLeft : 0U) | (p.x() > bounds.right() ? toRight : 0U)
            | (p.y() < bounds.top() ? above : 0U) | (p.y() > bounds.bottom() ? below : 0U);
    };
    // Each pass puts one end on an edge; rounding may cost one more per end.
    for (int pass = 0; pass < 8; ++pass) {
        const unsigned fromCode = outcode(from);
        const unsigned toCode = outcode(to);
        if ((fromCode | toCode) == 0U)
            return QLineF(from, to);
        if ((fromCode & toCode) != 0U)
            return std::nullopt;

        QPointF &outside = fromCode != 0U ? from : to;
        const QPointF anchor = fromCode != 0U ? to : from;
        const unsigned code = fromCode != 0U ? fromCode : toCode;
        const auto acrossX = [&](double x) {
            const double ratio = (x - anchor.x()) / (outside.x() - anchor.x());
            return QPointF(x, anchor.y() + (outside.y() - anchor.y()) * ratio);
        };
        const auto acrossY = [&](double y) {
            const double ratio = (y - anchor.y()) / (outside.y() - anchor.y());
            return QPointF(anchor.x() + (outside.x() - anchor.x()) * ratio, y);
        };
        if ((code & toLeft) != 0U)
            outside = acrossX(bounds.left());
        else if ((code & toRight) != 0U)
            outside = acrossX(bounds.right());
        else if ((code & above) != 0U)
            outside = acrossY(bounds.top());
        else
            outside = acrossY(bounds.bottom());
    }
    return std::nullopt;
}

bool circleMeetsRect(QPointF centre, double radius, double strokeWidth, const QRectF &bounds)
{
    if (!isFinite(centre) || !std::isfinite(radius))
        return false;
    const double r = std::fabs(radius);
    const double halfStroke = strokeWidth / 2.0;
    // Wholly outside: the rect is beyond the outer edge of the stroke, or
    // wholly within its inner edge.
    return nearestDistance(centre, bounds) <= r + halfStroke && farthestDistance(centre, bounds) >= r - halfStroke;
}

VisibleCircle visiblePart(QPointF centre, double radius, double strokeWidth, const QRectF &bounds)
{
    const double r = std::fabs(radius);
    if (!circleMeetsRect(centre, r, strokeWidth, bounds))
        return {};
    if (r <= LargestEngineRadius)
        return {true, {}};
    return {false, arcAcross(centre, r, bounds, ArcStep)};
}

} // namespace volvenda
