#include "measuring.h"

#include "drawing/clipping.h"
#include "drawing/drawing_surface.h"

#include <QtMath>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>

namespace volvenda {

namespace {

// Draws nothing; adds up what the raster surface would spend on each stroke,
// clipped as it clips them.
class CostSurface final : public DrawingSurface
{
public:
    CostSurface(int scale, const QRect &view)
        : m_scale(scale)
        , m_view(view)
    {
    }

    void ClearSurface() override { }
    void PenWidth(int width) override { m_penWidth = drawnPenWidth(width); }
    void DrawCircle(float x, float y, float radius, COLORREF) override
    {
        drawVisibleCircle(
            QPointF(x, y), radius, m_penWidth, bounds(), [&](double r) { addStroke(2.0 * std::numbers::pi * r); },
            [&](const QLineF &side) { addStroke(side.length()); });
    }
    void DrawLine(float x1, float y1, float x2, float y2, COLORREF) override
    {
        if (const std::optional<QLineF> visible = clipSegment(QLineF(x1, y1, x2, y2), bounds()))
            addStroke(visible->length());
    }
    void Present() override { }

    [[nodiscard]] double work() const { return m_work; }

private:
    static constexpr double NarrowestStroke = 16.0;

    [[nodiscard]] QRectF bounds() const { return viewStrokeBounds(QSizeF(CanvasSize), QRectF(m_view), m_penWidth); }
    void addStroke(double length)
    {
        const double width = double(m_penWidth) * m_scale;
        m_work += (length * m_scale + width) * std::max(width, NarrowestStroke);
    }

    int m_scale;
    QRect m_view;
    int m_penWidth = 1;
    double m_work = 0.0;
};

// Draws nothing; gathers the part of the canvas that strokes cover, in the
// coordinates they are drawn in, where whole numbers name pixel centres.
class InkSurface final : public DrawingSurface
{
public:
    void ClearSurface() override { m_ink = QRectF(); }
    void PenWidth(int width) override { m_penWidth = drawnPenWidth(width); }
    void DrawCircle(float x, float y, float radius, COLORREF) override
    {
        const QPointF centre(x, y);
        drawVisibleCircle(
            centre, radius, m_penWidth, strokeBounds(QSizeF(CanvasSize), m_penWidth),
            [&](double r) {
                // As a polygon with a vertex at each of its outermost points
                // and sides of about a pixel, so that the part of it on the
                // canvas is found as for lines, as closely as pixels tell.
                const int sides = 4 * std::max(16, static_cast<int>(std::ceil(std::numbers::pi * r / 2.0)));
                QPointF previous(centre.x() + r, centre.y());
                for (int i = 1; i <= sides; ++i) {
                    const double angle = 2.0 * std::numbers::pi * i / sides;
                    const QPointF next(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
                    addStroke(QLineF(previous, next));
                    previous = next;
                }
            },
            [&](const QLineF &side) { addStroke(side); });
    }
    void DrawLine(float x1, float y1, float x2, float y2, COLORREF) override { addStroke(QLineF(x1, y1, x2, y2)); }
    void Present() override { }

    // In whole logical pixels, whose edges are half a unit from their centres.
    [[nodiscard]] std::optional<QRect> area() const
    {
        if (m_ink.isEmpty())
            return std::nullopt;
        const QRectF edges = m_ink.translated(0.5, 0.5);
        const QPoint topLeft(qFloor(edges.left()), qFloor(edges.top()));
        const QPoint beyond(qCeil(edges.right()), qCeil(edges.bottom()));
        return QRect(topLeft, QSize(beyond.x() - topLeft.x(), beyond.y() - topLeft.y()));
    }

private:
    // The stroke of a segment lies within half the pen of it: what of the
    // segment comes that near the canvas, widened by half the pen, and cut
    // at the canvas's edges.
    void addStroke(const QLineF &segment)
    {
        const double half = m_penWidth / 2.0;
        const QRectF canvas = QRectF(QPointF(0, 0), QSizeF(CanvasSize)).translated(-0.5, -0.5);
        const std::optional<QLineF> near = clipSegment(segment, canvas.adjusted(-half, -half, half, half));
        if (!near)
            return;
        const QRectF ink = QRectF(near->p1(), near->p2()).normalized().adjusted(-half, -half, half, half) & canvas;
        if (!ink.isEmpty())
            m_ink = m_ink.isEmpty() ? ink : m_ink.united(ink);
    }

    int m_penWidth = 1;
    QRectF m_ink;
};

// Draws nothing; adds up the rectangles of the frames of an animation, as the
// raster surface marks what changes: each stroke's extent widened by its pen
// and a pixel, within the view.
class FrameSurface final : public DrawingSurface
{
public:
    FrameSurface(int scale, const QRect &view, const std::vector<AnimationFrame> &frames)
        : m_scale(scale)
        , m_view(view)
        , m_frames(frames)
    {
    }

    void ClearSurface() override { }
    void PenWidth(int width) override { m_penWidth = drawnPenWidth(width); }
    void DrawCircle(float, float, float, COLORREF colour) override { m_colours.insert(colour); }
    void DrawLine(float x1, float y1, float x2, float y2, COLORREF colour) override
    {
        const double margin = m_penWidth + 1.0;
        const QRectF extent
            = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized().adjusted(-margin, -margin, margin, margin)
            & QRectF(m_view);
        if (!extent.isEmpty())
            m_changed = m_changed.isEmpty() ? extent : m_changed.united(extent);
        m_colours.insert(colour);
    }
    void Present() override
    {
        ++m_presents;
        while (m_next < m_frames.size() && m_frames[m_next].presents <= m_presents) {
            const QRectF area = m_next == 0 ? QRectF(m_view) : m_changed;
            m_cost.pixels += area.width() * area.height() * m_scale * m_scale;
            // The first frame shows the circle, not the curves.
            if (m_next > 0)
                m_cost.mostColours = std::max(m_cost.mostColours, m_colours.size());
            m_changed = QRectF();
            m_colours.clear();
            ++m_next;
        }
    }

    [[nodiscard]] FramesCost cost() const { return m_cost; }

private:
    int m_scale;
    QRect m_view;
    const std::vector<AnimationFrame> &m_frames;
    int m_penWidth = 1;
    std::size_t m_next = 0;
    double m_presents = 0.0;
    QRectF m_changed;
    std::set<COLORREF> m_colours;
    FramesCost m_cost;
};

} // namespace

std::optional<QRect> drawnArea(const PictureRequest &request)
{
    InkSurface ink;
    drawPicture(request, ink);
    return ink.area();
}

double rasterWork(const PictureRequest &request, int scale)
{
    CostSurface cost(scale, request.view);
    drawPicture(request, cost);
    return cost.work();
}

FramesCost framesCost(const PictureRequest &request, int scale)
{
    FrameSurface surface(scale, request.view, request.frames);
    drawPicture(request, surface);
    return surface.cost();
}

} // namespace volvenda
