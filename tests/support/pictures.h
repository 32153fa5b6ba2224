#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QLineF>
#include <QMap>
#include <QPolygonF>
#include <QRect>
#include <QRegularExpression>
#include <QString>
#include <QXmlStreamReader>
#include <QtMath>

#include <bitset>
#include <cmath>
#include <map>
#include <numbers>
#include <optional>
#include <utility>
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
    double circle = 0;
    // Each curve's vertices and colour. Left out for none, which g++ warns of unless it has an initializer.
    QList<std::pair<QPolygonF, QColor>> curves = {}; // NOLINT(readability-redundant-member-init)
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
    for (const auto &[points, colour] : drawn.curves) {
        std::vector<bool> &mask = reach[colour.rgb()];
        mask.resize(std::size_t(image.width()) * std::size_t(image.height()));
        for (qsizetype i = 1; i < points.size(); ++i) {
            const QLineF segment(points[i - 1], points[i]);
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
    for (const auto &[points, colour] : drawn.curves)
        for (qsizetype i = 1; i < points.size(); ++i) {
            const QPoint middle = device((points[i - 1] + points[i]) / 2);
            if (image.rect().contains(middle) && (image.pixel(middle) == white || image.pixel(middle) == grey))
                return wrong("a segment is missing", middle);
        }
    return {};
}

// An SVG document as a viewer reads it: its size, view box and background,
// and each circle and path as written, with the move and the clip of the
// groups around it.
struct SvgShape
{
    QPolygonF points; // a path's vertices, or a circle's centre
    double radius = 0; // 0 for a path
    QColor stroke;
    double width = 0;
    // Where the groups around it move it, and what they clip it to.
    QPointF shift;
    std::optional<QRectF> clip;
};
struct SvgDrawing
{
    QString error; // empty for well-formed XML
    QSizeF size;
    QRectF viewBox, background;
    QList<SvgShape> shapes;
    // The same shapes as the circles' radii and the paths' vertices and colours.
    QList<double> circles;
    QList<std::pair<QPolygonF, QColor>> paths;
};
inline SvgDrawing readSvg(const QByteArray &svg)
{
    SvgDrawing drawing;
    QXmlStreamReader xml(svg);
    QMap<QString, QRectF> clips;
    QString clipId;
    // The move and clip of each open group, all that are around it.
    std::vector<std::pair<QPointF, std::optional<QRectF>>> groups(1);
    while (!xml.atEnd()) {
        xml.readNext();
        const QXmlStreamAttributes attributes = xml.attributes();
        const auto text = [&](const char *name) { return attributes.value(QLatin1String(name)); };
        const auto number = [&](const char *name) { return text(name).toDouble(); };
        const QRectF rect(number("x"), number("y"), number("width"), number("height"));
        const QStringView name = xml.name();
        if (xml.isEndElement() && name == u"g")
            groups.pop_back();
        if (!xml.isStartElement())
            continue;
        if (name == u"svg") {
            const QStringList box = text("viewBox").toString().split(u' ');
            drawing.size = rect.size();
            drawing.viewBox = QRectF(
                box.value(0).toDouble(), box.value(1).toDouble(), box.value(2).toDouble(), box.value(3).toDouble());
        } else if (name == u"clipPath") {
            clipId = text("id").toString();
        } else if (name == u"rect" && !clipId.isEmpty()) {
            clips[clipId] = rect;
            clipId.clear();
        } else if (name == u"rect") {
            drawing.background = rect;
        } else if (name == u"g") {
            static const QRegularExpression move(R"re(^translate\((\S+) (\S+)\)$)re");
            static const QRegularExpression clip(R"re(^url\(#(.*)\)$)re");
            groups.push_back(groups.back());
            if (const auto by = move.match(text("transform").toString()); by.hasMatch())
                groups.back().first += QPointF(by.captured(1).toDouble(), by.captured(2).toDouble());
            if (const auto to = clip.match(text("clip-path").toString()); to.hasMatch())
                groups.back().second = clips.value(to.captured(1));
        } else if (name == u"circle" || name == u"path") {
            SvgShape shape {{}, number("r"), QColor(text("stroke").toString()), number("stroke-width"),
                groups.back().first, groups.back().second};
            if (name == u"circle") {
                shape.points << QPointF(number("cx"), number("cy"));
                drawing.circles << shape.radius;
            } else {
                for (const QString &vertex : text("d").mid(1).toString().split(QStringLiteral(" L")))
                    shape.points << QPointF(vertex.section(u',', 0, 0).toDouble(), vertex.section(u',', 1).toDouble());
                drawing.paths << std::pair(shape.points, shape.stroke);
            }
            drawing.shapes << shape;
        }
    }
    drawing.error = xml.errorString();
    return drawing;
}

// Whether the pixel at device coordinates (x, y) differs from the white background.
inline bool painted(const QImage &image, int x, int y)
{
    return image.pixel(x, y) != QColor(Qt::white).rgb();
}
