#include "raster_surface.h"

#include "clipping.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <utility>

namespace volvenda {

namespace {

QImage makeImage(QSize logicalSize, qreal ratio, const QColor &background)
{
    QImage image(logicalSize * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(background);
    return image;
}

// Whole coordinates name pixels, so they are moved to the pixel's centre: the
// aliased rasteriser then covers the same logical pixels at every
// device-pixel ratio.
void preparePainter(QPainter &painter, COLORREF colour, int width)
{
    painter.translate(0.5, 0.5);
    painter.setPen(QPen(toQColor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
}

} // namespace

RasterSurface::RasterSurface(QSize logicalSize, qreal devicePixelRatio, QColor background)
    : m_logicalSize(logicalSize)
    , m_background(background)
    , m_image(makeImage(logicalSize, devicePixelRatio, m_background))
{
}

void RasterSurface::ClearSurface()
{
    m_image.fill(m_background);
    markChanged(bounds());
}

void RasterSurface::PenWidth(int width)
{
    m_penWidth = std::max(width, 1);
}

void RasterSurface::DrawCircle(float x, float y, float radius, COLORREF colour)
{
    const QPointF centre(x, y);
    const double r = std::fabs(static_cast<double>(radius));
    const VisibleCircle visible = visiblePart(centre, r, m_penWidth, clipBounds());
    if (visible.whole) {
        QPainter painter(&m_image);
        preparePainter(painter, colour, m_penWidth);
        painter.drawEllipse(centre, r, r);
        markChanged(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r));
        return;
    }
    for (qsizetype i = 1; i < visible.arc.size(); ++i)
        strokeLine(QLineF(visible.arc[i - 1], visible.arc[i]), colour);
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
    QPainter painter(&m_image);
    preparePainter(painter, colour, m_penWidth);
    painter.drawLine(*visible);
    markChanged(QRectF(visible->p1(), visible->p2()).normalized());
}

void RasterSurface::Present()
{
    const QRect changed = m_changed.toAlignedRect() & QRect(QPoint(0, 0), m_logicalSize);
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
    QImage rebacked = makeImage(m_logicalSize, ratio, m_background);
    {
        QPainter painter(&rebacked);
        painter.drawImage(bounds(), m_image);
    }
    m_image = std::move(rebacked);
    markChanged(bounds());
}

QRectF RasterSurface::bounds() const
{
    return QRectF(QPointF(0, 0), QSizeF(m_logicalSize));
}

QRectF RasterSurface::clipBounds() const
{
    return strokeBounds(QSizeF(m_logicalSize), m_penWidth);
}

void RasterSurface::markChanged(const QRectF &area)
{
    const double margin = m_penWidth + 1.0;
    const QRectF widened = area.adjusted(-margin, -margin, margin, margin) & bounds();
    m_changed = m_changed.isEmpty() ? widened : m_changed.united(widened);
}

} // namespace volvenda
