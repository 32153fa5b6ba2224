#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QLineF>
#include <QPolygonF>
#include <QRect>
#include <QRegularExpression>
#include <QString>
#include <QtMath>

#include <bitset>
#include <cmath>
#include <map>
#include <numbers>
#include <vector>

// Pictures checked against geometry worked out here, not against the
// drawing code: where the pixels of a circle and of a polyline may lie, and
// where they must.

// The vertices of a curve as the window traces it, from the epitrochoid's
// formula: T = 0, 0.25, ... while T <= end, each point floored and moved to
// the centre (200, 250).
inline QPolygonF epitrochoid(double R1, double R2, double R3, double end = 201.06176)
{
    QPolygonF points;
    for (double T = 0; T <= end; T += 0.25) {
        const double roll = T * R2 / R1;
        const double turn = (R1 + R2) / R1 * T;
        points << QPointF(200 + std::floor((R1 + R2) * std::cos(roll) - R3 * std::cos(turn)),
            250 + std::floor((R1 + R2) * std::sin(roll) - R3 * std::sin(turn)));
    }
    return points;
}

// What a picture holds: the grey reference circle round (200, 250) of this
// radius, 1 pixel wide (none for 0), and curves 2 pixels wide over it.
struct Drawn
{
    struct Curve
    {
        QPolygonF points;
        QColor colour;
    };
    double circle = 0;
    std::vector<Curve> curves = {};
};

// Empty when the image shows what is drawn and nothing else, or else the
// first thing wrong. Each painted pixel must lie on the circle (grey) or
// within reach of a curve of its colour; every two degrees of the circle and
// the middle of every segment on the canvas must be painted. The image has
// the canvas's logical size at its device-pixel ratio.
inline QString differences(const QImage &image, const Drawn &drawn)
{
    const qreal ratio = image.devicePixelRatio();
    const QRgb white = QColor(Qt::white).rgb();
    const QRgb grey = qRgb(100, 100, 100);
    // Whole logical coordinates name pixel centres.
    const auto logical = [ratio](int x, int y) { return QPointF((x + 0.5) / ratio - 0.5, (y + 0.5) / ratio - 0.5); };
    const auto device
        = [ratio](QPointF p) { return QPoint(qFloor((p.x() + 0.5) * ratio), qFloor((p.y() + 0.5) * ratio)); };
    const auto wrong = [](const char *what, QPoint p) {
        return QStringLiteral("%1 at device pixel %2, %3").arg(what).arg(p.x()).arg(p.y());
    };
    const auto distance = [](QPointF p, const QLineF &segment) {
        const QPointF d = segment.p2() - segment.p1();
        const double length2 = QPointF::dotProduct(d, d);
        const double t = length2 > 0 ? std::clamp(QPointF::dotProduct(p - segment.p1(), d) / length2, 0.0, 1.0) : 0.0;
        return QLineF(p, segment.p1() + t * d).length();
    };

    // Where each colour's curves reach: half the pen and a pixel's play.
    std::map<QRgb, std::vector<bool>> reach;
    for (const Drawn::Curve &curve : drawn.curves) {
        std::vector<bool> &mask = reach[curve.colour.rgb()];
        mask.resize(std::size_t(image.width()) * std::size_t(image.height()));
        for (qsizetype i = 1; i < curve.points.size(); ++i) {
            const QLineF segment(curve.points[i - 1], curve.points[i]);
            const int margin = qCeil(3 * ratio);
            const QRect box = QRect(device(segment.p1()), device(segment.p2()))
                                  .normalized()
                                  .adjusted(-margin, -margin, margin, margin)
                & image.rect();
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x)
                    if (distance(logical(x, y), segment) <= 2.0)
                        mask[std::size_t(y) * std::size_t(image.width()) + std::size_t(x)] = true;
        }
    }
    std::bitset<180> circleSeen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const QPointF offset = logical(x, y) - QPointF(200, 250);
            const bool onCircle
                = drawn.circle > 0 && std::abs(std::hypot(offset.x(), offset.y()) - drawn.circle) <= 1.5;
            if (pixel != white && onCircle)
                circleSeen.set(std::size_t(std::atan2(offset.y(), offset.x()) * 90 / std::numbers::pi + 90) % 180);
            const auto curve = reach.find(pixel);
            const bool reached
                = curve != reach.end() && curve->second[std::size_t(y) * std::size_t(image.width()) + std::size_t(x)];
            if (pixel != white && !(pixel == grey && onCircle) && !reached)
                return wrong("painted where nothing of its colour is drawn", QPoint(x, y));
        }
    // Too small a circle has fewer pixels than two-degree steps.
    for (std::size_t bucket = 0; bucket < 180 && drawn.circle * ratio >= 60; ++bucket) {
        const double angle = (double(bucket) + 0.5) * std::numbers::pi / 90 - std::numbers::pi;
        const QPoint point
            = device(QPointF(200 + drawn.circle * std::cos(angle), 250 + drawn.circle * std::sin(angle)));
        if (image.rect().adjusted(2, 2, -2, -2).contains(point) && !circleSeen[bucket])
            return wrong("the circle has a gap", point);
    }
    for (const Drawn::Curve &curve : drawn.curves)
        for (qsizetype i = 1; i < curve.points.size(); ++i) {
            const QPoint middle = device((curve.points[i - 1] + curve.points[i]) / 2);
            if (image.rect().contains(middle) && (image.pixel(middle) == white || image.pixel(middle) == grey))
                return wrong("a segment is missing", middle);
        }
    return {};
}

// The circles' radii and the paths' vertices and colours of an SVG document.
struct SvgDrawing
{
    QList<double> circles;
    QList<std::pair<QPolygonF, QColor>> paths;
};
inline SvgDrawing readSvg(const QByteArray &svg)
{
    SvgDrawing drawing;
    static const QRegularExpression circle(R"re(<circle [^>]*\br="([^"]*)")re");
    static const QRegularExpression path(R"re(<path d="M([^"]*)"[^>]*\bstroke="([^"]*)")re");
    for (const QRegularExpressionMatch &match : circle.globalMatch(QString::fromUtf8(svg)))
        drawing.circles << match.captured(1).toDouble();
    for (const QRegularExpressionMatch &match : path.globalMatch(QString::fromUtf8(svg))) {
        QPolygonF points;
        for (const QString &vertex : match.captured(1).split(QStringLiteral(" L")))
            points << QPointF(vertex.section(u',', 0, 0).toDouble(), vertex.section(u',', 1).toDouble());
        drawing.paths << std::pair(points, QColor(match.captured(2)));
    }
    return drawing;
}

// Whether the pixel at device coordinates (x, y) differs from the white background.
inline bool painted(const QImage &image, int x, int y)
{
    return image.pixel(x, y) != QColor(Qt::white).rgb();
}
