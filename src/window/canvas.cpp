#include "canvas.h"

#include "drawing/raster_surface.h"

#include <QPaintEvent>
#include <QPainter>

#include <utility>

namespace volvenda {

Canvas::Canvas(const RasterSurface &surface, QWidget *parent)
    : QWidget(parent)
    , m_surface(surface)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void Canvas::showChanged(const QRect &changed)
{
    // The one place that repaints: synchronously, because a run keeps the
    // event loop busy until it ends.
    repaint(changed);
}

void Canvas::paintEvent(QPaintEvent *event)
{
    // Whoever listens is queued behind this paint and the frame it is part of.
    if (!std::exchange(m_painted, true))
        emit firstPainted();
    // The image is backed at the ratio, so the source rectangle is the logical
    // one scaled by it.
    const QImage &image = m_surface.image();
    const qreal ratio = m_surface.devicePixelRatio();
    QPainter painter(this);
    if (!qFuzzyCompare(devicePixelRatioF(), ratio)) {
        // Moved to a screen of another scale: the picture is shown scaled
        // until the surface is re-backed, which is no work for a paint.
        painter.drawImage(QRectF(rect()), image);
        if (!qFuzzyCompare(devicePixelRatioF(), m_toldRatio)) {
            m_toldRatio = devicePixelRatioF();
            emit ratioChanged(m_toldRatio);
        }
        return;
    }
    const QRect area = event->rect();
    painter.drawImage(QRectF(area), image, QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
}

} // namespace volvenda
