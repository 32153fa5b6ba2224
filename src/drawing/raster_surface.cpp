#include "raster_surface.h"

#include "clipping.h"
#include "picture_memory.h"
#include "runtime/runtime_error.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace volvenda {

namespace {

// Qt fills a 24-bit image a pixel at a time; one filled row copied down the
// image goes as fast as memory does, in any format.
void fillImage(QImage &image, const QColor &colour)
{
    QImage row(image.width(), 1, image.format());
    row.fill(colour);
    const auto bytes = static_cast<std::size_t>(std::min(row.bytesPerLine(), image.bytesPerLine()));
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(image.scanLine(y), row.constScanLine(0), bytes);
}

QImage makeImage(QSize logicalSize, qreal ratio, const QColor &background, QImage::Format format)
{
    QImage image = allocatePicture(logicalSize * ratio, format);
    image.setDevicePixelRatio(ratio);
    // A logical pixel is a 96th of an inch, so viewers show a saved picture
    // at the window's size whatever its ratio.
    const int dotsPerMetre = qRound(96.0 / 0.0254 * ratio);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    fillImage(image, background);
    return image;
}

} // namespace

RasterSurface::RasterSurface(QSize logicalSize, qreal devicePixelRatio, QColor background, QImage::Format format)
    : RasterSurface(logicalSize, QRect(QPoint(0, 0), logicalSize), devicePixelRatio, background, format)
{
}

RasterSurface::RasterSurface(
    QSize logicalSize, const QRect &view, qreal devicePixelRatio, QColor background, QImage::Format format)
    : m_logicalSize(logicalSize)
    , m_view(view)
    , m_background(background)
    , m_image(makeImage(view.size(), devicePixelRatio, m_background, format))
{
    // Drawing on no image would draw nothing, and a saved picture be empty.
    if (m_image.isNull() && !view.isEmpty())
        throw RuntimeError(ErrorKind::OutOfMemory);
}

void RasterSurface::ClearSurface()
{
    m_painter.reset();
    fillImage(m_image, m_background);
    markChanged(bounds());
}

QPainter &RasterSurface::painter(COLORREF colour)
{
    if (!m_painter) {
        m_painter.emplace(&m_image);
        // Round caps and circles reach past the canvas's edges; a view that
        // reaches beyond them keeps the background there.
        const QRect canvas(QPoint(0, 0), m_logicalSize);
        if (!canvas.contains(m_view))
            m_painter->setClipRect(canvas.translated(-m_view.topLeft()));
        // Whole coordinates name pixels, so they are moved to the pixel's
        // centre: the aliased rasteriser then covers the same logical pixels
        // at every device-pixel ratio.
        m_painter->translate(0.5 - m_view.x(), 0.5 - m_view.y());
        m_painter->setBrush(Qt::NoBrush);
        m_painterWidth = 0;
    }
    if (m_painterWidth != m_penWidth || m_painterColour != colour) {
        m_painter->setPen(QPen(toQColor(colour), m_penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m_painterWidth = m_penWidth;
        m_painterColour = colour;
    }
    return *m_painter;
}

void RasterSurface::PenWidth(int width)
{
    m_penWidth = drawnPenWidth(width);
}

void RasterSurface::DrawCircle(float x, float y, float radius, COLORREF colour)
{
    const QPointF centre(x, y);
    drawVisibleCircle(
        centre, radius, m_penWidth, clipBounds(),
        [&](double r) {
            painter(colour).drawEllipse(centre, r, r);
            markChanged(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r));
        },
        [&](const QLineF &side) { strokeLine(side, colour); });
}

void RasterSurface::DrawLine(float x1, float y1, float x2, float y2, COLORREF colour)
{
    strokeLine(QLineF(x1, y1, x2, y2), colour);
}

void RasterSurface::strokeLine(const QLineF &line, COLORREF colour)
{
    const std::optional<QLineF> visible = clipSegment(line, clipBounds());
    if (!visible)
        return;
    painter(colour).drawLine(*visible);
    markChanged(QRectF(visible->p1(), visible->p2()).normalized());
}

void RasterSurface::Present()
{
    const QRect changed = m_changed.toAlignedRect() & m_view;
    m_changed = QRectF();
    if (!changed.isEmpty() && m_onPresent)
        m_onPresent(changed);
}

void RasterSurface::setPresentHandler(PresentHandler handler)
{
    m_onPresent = std::move(handler);
}

void RasterSurface::setDevicePixelRatio(qreal ratio)
{
    if (qFuzzyCompare(ratio, devicePixelRatio()))
        return;
    QImage rebacked = makeImage(m_view.size(), ratio, m_background, m_image.format());
    if (rebacked.isNull())
        throw RuntimeError(ErrorKind::OutOfMemory);
    m_painter.reset();
    {
        QPainter painter(&rebacked);
        painter.drawImage(QRectF(QPointF(0, 0), QSizeF(m_view.size())), m_image);
    }
    m_image = std::move(rebacked);
    markChanged(bounds());
}

QRectF RasterSurface::bounds() const
{
    return QRectF(m_view);
}

QRectF RasterSurface::clipBounds() const
{
    return viewStrokeBounds(QSizeF(m_logicalSize), QRectF(m_view), m_penWidth);
}

void RasterSurface::markChanged(const QRectF &area)
{
    const double margin = m_penWidth + 1.0;
    const QRectF widened = area.adjusted(-margin, -margin, margin, margin) & bounds();
    m_changed = m_changed.isEmpty() ? widened : m_changed.united(widened);
}

} // namespace volvenda
