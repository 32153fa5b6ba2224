#pragma once

#include "drawing_surface.h"

#include <QColor>
#include <QPolygonF>
#include <QSize>

#include <cstdint>
#include <variant>
#include <vector>

namespace volvenda {

// A drawing surface that keeps what is drawn as vector shapes, for the SVG
// writer. Segments that continue one another in the same colour and width
// join into one path, so a traced curve is one element, not hundreds. Every
// pen setting ends the path: the Start command sets the pen at the start of
// each run, so each run is a path of its own, even when two runs share a
// colour and one begins where the other ended. The geometry is clipped as on
// the raster surface, and whole coordinates name pixel centres there too, so
// both show the same picture.
class VectorSurface final : public DrawingSurface
{
public:
    VectorSurface(QSize logicalSize, QColor background);

    void ClearSurface() override;
    void PenWidth(int width) override;
    void DrawCircle(float x, float y, float radius, COLORREF colour) override;
    void DrawLine(float x1, float y1, float x2, float y2, COLORREF colour) override;
    void Present() override { ++m_presents; }

    struct Circle
    {
        QPointF centre;
        double radius;
    };
    struct Shape
    {
        COLORREF colour;
        int width;
        std::variant<Circle, QPolygonF> geometry;
        // How many times the surface had been presented when the shape was begun.
        std::int64_t presents = 0;
    };
    [[nodiscard]] const std::vector<Shape> &shapes() const { return m_shapes; }
    [[nodiscard]] QSize logicalSize() const { return m_logicalSize; }
    [[nodiscard]] QColor background() const { return m_background; }

private:
    void addSegment(QPointF from, QPointF to, COLORREF colour);
    // The next segment starts a path of its own even where it continues the
    // last one, so that strokes drawn apart stay apart in the SVG.
    void endPath();

    QSize m_logicalSize;
    QColor m_background;
    int m_penWidth = 1;
    std::vector<Shape> m_shapes;
    bool m_pathEnded = false;
    std::int64_t m_presents = 0;
};

} // namespace volvenda
