#pragma once

#include "drawing_surface.h"

#include <QColor>
#include <QPolygonF>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

class QIODevice;

namespace volvenda {

// How writeSvg writes the picture; by default the whole canvas, still.
struct SvgOptions
{
    // The part of the canvas to show, in its logical pixels; it may reach
    // beyond the canvas, where the background shows.
    std::optional<QRect> view;
    // Over this many seconds, what was drawn after the surface was first
    // presented draws itself along its length in the order it was drawn, at an
    // even pace, while what came before is there from the start. It needs no
    // script, and a viewer that does not animate shows the finished picture.
    std::optional<double> drawingSeconds;
    // The drawing starts again after a pause of a second, for ever.
    bool loop = false;
};

// A drawing surface that keeps what is drawn as vector shapes and writes it
// as SVG. Segments that continue one another in the same colour and width
// join into one path, so a traced curve is one element, not hundreds. The
// geometry is clipped as on the raster surface, and whole coordinates name
// pixel centres there too, so both show the same picture.
class VectorSurface final : public DrawingSurface
{
public:
    VectorSurface(QSize logicalSize, QColor background);

    void ClearSurface() override;
    void PenWidth(int width) override;
    void DrawCircle(float x, float y, float radius, COLORREF colour) override;
    void DrawLine(float x1, float y1, float x2, float y2, COLORREF colour) override;
    void Present() override { ++m_presents; }

    // The next segment starts a path of its own even where it continues the
    // last one, so that strokes drawn apart stay apart in the SVG.
    void endPath();

    // Writes the picture as an SVG document; false if the device failed.
    bool writeSvg(QIODevice &device, const SvgOptions &options = {}) const;

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

private:
    void addSegment(QPointF from, QPointF to, COLORREF colour);

    QSize m_logicalSize;
    QColor m_background;
    int m_penWidth = 1;
    std::vector<Shape> m_shapes;
    bool m_pathEnded = false;
    std::int64_t m_presents = 0;
};

} // namespace volvenda
