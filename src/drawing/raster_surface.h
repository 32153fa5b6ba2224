#pragma once

#include "drawing_surface.h"

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRectF>
#include <QSize>

#include <functional>
#include <optional>

namespace volvenda {

// The retained drawing surface: everything drawn stays in an image until
// ClearSurface. The image is sized in logical pixels and backed at a
// device-pixel ratio, so that lines stay crisp on high-DPI screens, and it
// records that ratio as its resolution (96 dots per inch per logical pixel).
// Drawing is aliased, with round caps so that wide segments join without
// notches. One painter stays open from the first drawing until the image is
// cleared or re-backed: opening one per segment costs more than the segment.
// Its image leaves room for the paint engine's helpers (picture_memory.h).
class RasterSurface final : public DrawingSurface
{
public:
    // Receives the logical rectangle of the canvas that changed since the last Present.
    using PresentHandler = std::function<void(const QRect &changed)>;

    // The format is RGB32, quick to show on screen, or RGB888 for a picture
    // that is only saved: the same pixels in three quarters of the memory.
    RasterSurface(
        QSize logicalSize, qreal devicePixelRatio, QColor background, QImage::Format format = QImage::Format_RGB32);
    // Keeps only the part view of a canvas of logicalSize (a rectangle of its
    // logical pixels, which may reach beyond it): the image covers the view,
    // and drawing stops at the canvas's edges as on a whole one, so that the
    // view shows the same pixels and background beyond the canvas. Both
    // throw RuntimeError OutOfMemory when the image cannot be allocated.
    RasterSurface(QSize logicalSize, const QRect &view, qreal devicePixelRatio, QColor background,
        QImage::Format format = QImage::Format_RGB32);

    void ClearSurface() override;
    void PenWidth(int width) override;
    void DrawCircle(float x, float y, float radius, COLORREF colour) override;
    void DrawLine(float x1, float y1, float x2, float y2, COLORREF colour) override;
    void Present() override;

    // Whoever shows the surface; without one, Present shows nothing to nobody.
    void setPresentHandler(PresentHandler handler);

    // Re-backs the image at another ratio, keeping the picture. Throws
    // RuntimeError OutOfMemory, with the image as it was, when the new one
    // cannot be allocated.
    void setDevicePixelRatio(qreal ratio);

    [[nodiscard]] const QImage &image() const { return m_image; }
    [[nodiscard]] QSize logicalSize() const { return m_logicalSize; }
    [[nodiscard]] QRect view() const { return m_view; }
    [[nodiscard]] qreal devicePixelRatio() const { return m_image.devicePixelRatio(); }
    [[nodiscard]] int lineWidth() const { return m_penWidth; }

private:
    [[nodiscard]] QRectF bounds() const;
    [[nodiscard]] QRectF clipBounds() const;
    void strokeLine(const QLineF &line, COLORREF colour);
    void markChanged(const QRectF &area);
    QPainter &painter(COLORREF colour);

    QSize m_logicalSize;
    QRect m_view;
    QColor m_background;
    QImage m_image;
    int m_penWidth = 1;
    QRectF m_changed;
    PresentHandler m_onPresent;
    // Declared after the image, so that it ends before the image goes.
    std::optional<QPainter> m_painter;
    COLORREF m_painterColour = 0;
    int m_painterWidth = 0;
};

} // namespace volvenda
