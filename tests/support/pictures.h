#pragma once

#include "runtime/raster_surface.h"
#include "runtime/runtime_error.h"
#include "runtime/vector_surface.h"
#include "trace/start_command.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QPointF>

#include <bitset>
#include <cmath>
#include <numbers>
#include <optional>

// A picture drawn afresh by the core, as the window shows it: the grey
// reference circle round (200, 250) (none for radius 0, so a blank picture),
// then a curve with the pen at 2.
inline QImage corePicture(qreal ratio, float radius, const std::optional<volvenda::TracePlan> &curve = {})
{
    volvenda::RasterSurface surface(volvenda::CanvasSize, ratio, Qt::white);
    if (radius != 0)
        surface.DrawCircle(200, 250, radius, volvenda::ReferenceGray);
    if (curve) {
        surface.PenWidth(2);
        volvenda::WindowState state;
        volvenda::traceCurve(state, *curve, surface);
    }
    return surface.image();
}

// The same picture as an SVG document from the core's vector drawing; a run
// that fails keeps what it drew before the error.
inline QByteArray coreSvg(float radius, const volvenda::TracePlan &curve)
{
    volvenda::VectorSurface surface(volvenda::CanvasSize, Qt::white);
    surface.DrawCircle(200, 250, radius, volvenda::ReferenceGray);
    surface.PenWidth(2);
    volvenda::WindowState state;
    try {
        volvenda::traceCurve(state, curve, surface);
    } catch (const volvenda::RuntimeError &) {
    }
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    surface.writeSvg(svg);
    return svg.data();
}

// Whether the pixel at device coordinates (x, y) differs from the white background.
inline bool painted(const QImage &image, int x, int y)
{
    return image.pixel(x, y) != QColor(Qt::white).rgb();
}

// Whether every painted pixel is of the colour and lies on the circle (within
// what aliased drawing allows), and every two degrees of it have a pixel.
inline bool isCircle(const QImage &image, QPointF centre, double radius, const QColor &colour)
{
    const qreal ratio = image.devicePixelRatio();
    std::bitset<180> seen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            // Device pixel centres in logical coordinates, where whole numbers name pixel centres.
            const QPointF offset = QPointF(x + 0.5, y + 0.5) / ratio - QPointF(0.5, 0.5) - centre;
            if (!painted(image, x, y))
                continue;
            if (image.pixel(x, y) != colour.rgb() || std::abs(std::hypot(offset.x(), offset.y()) - radius) > 1.5)
                return false;
            seen.set(static_cast<std::size_t>(std::atan2(offset.y(), offset.x()) * 90 / std::numbers::pi + 90) % 180);
        }
    return seen.all();
}
