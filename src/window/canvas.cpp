#include "canvas.h"

#include "runtime/raster_surface.h"

#include <QPaintEvent>
#include <QPainter>

namespace volvenda {

Canvas::Canvas(RasterSurface &surface, QWidget *parent)
    : QWidget(parent)
    , m_surface(surface)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
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
    // The ratio changes when the window moves to a screen of another scale;
    // the surface is re-backed to match before it is shown, and then shown whole.
    const qreal ratio = devicePixelRatioF();
    QRect area = event->rect();
    if (!qFuzzyCompare(ratio, m_surface.devicePixelRatio())) {
        m_surface.setDevicePixelRatio(ratio);
        area = rect();
    }

    // The image is backed at the ratio, so the source rectangle is the logical
    // one scaled by it.
    const QImage &image = m_surface.image();
    const QRectF source(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio);
    QPainter painter(this);
    painter.drawImage(QRectF(area), image, source);
}

} // namespace volvenda
