#pragma once

#include "drawing_surface.h"

#include <QImage>
#include <QRect>
#include <QRectF>
#include <QSize>

#include <functional>

namespace volvenda {

// The retained drawing surface: everything drawn stays in an image until
// ClearSurface. The image is sized in logical pixels and backed at a
// device-pixel ratio, so that lines stay crisp on high-DPI screens. Drawing is
// aliased, with round caps so that wide segments join without notches.
class RasterSurface final : public DrawingSurface
{
public:
    // Receives the logical rectangle that changed since the last Present.
    using PresentHandler = std::function<void(const QRect &changed)>;

    RasterSurface(QSize logicalSize, qreal devicePixelRatio, QColor background);

    void ClearSurface() override;
    void PenWidth(int width) override;
    void DrawCircle(float x, float y, float radius, COLORREF colour) override;
    void DrawLine(float x1, float y1, float x2, float y2, COLORREF colour) override;
    void Present() override;

    // Whoever shows the surface; without one, Present shows nothing to nobody.
    void setPresentHandler(PresentHandler handler);

    // Re-backs the image at another ratio, keeping the picture.
    void setDevicePixelRatio(qreal ratio);

    [[nodiscard]] const QImage &image() const { return m_image; }
    [[nodiscard]] QSize logicalSize() const { return m_logicalSize; }
    [[nodiscard]] qreal devicePixelRatio() const { return m_image.devicePixelRatio(); }
    [[nodiscard]] int penWidth() const { return m_penWidth; }

private:
    [[nodiscard]] QRectF bounds() const;
    [[nodiscard]] QRectF clipBounds() const;
    void strokeLine(const QLineF &line, COLORREF colour);
    void markChanged(const QRectF &area);

    QSize m_logicalSize;
    QColor m_background;
    QImage m_image;
    int m_penWidth = 1;
    QRectF m_changed;
    PresentHandler m_onPresent;
};

} // namespace volvenda
