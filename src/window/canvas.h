#pragma once

#include <QWidget>

namespace volvenda {

class RasterSurface;

// Shows the retained drawing surface. It paints from the surface's image and
// nothing else, so covering, uncovering, minimising and restoring the window
// keep every drawing.
class Canvas final : public QWidget
{
    Q_OBJECT

public:
    explicit Canvas(const RasterSurface &surface, QWidget *parent = nullptr);

    // Repaints the changed logical rectangle at once, so that every step of a
    // run reaches the screen before the next one is drawn.
    void showChanged(const QRect &changed);

signals:
    // The window's device-pixel ratio is no longer the surface's: the window
    // has moved to a screen of another scale. Told once per new ratio.
    void ratioChanged(qreal ratio);
    // The first paint is done: what the window's first frame does not need
    // can follow.
    void firstPainted();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const RasterSurface &m_surface;
    qreal m_toldRatio = 0;
    bool m_painted = false;
};

} // namespace volvenda
