#include "render.h"

#include "drawing/clipping.h"
#include "drawing/drawing_surface.h"
#include "runtime/arithmetic.h"
#include "trace/closure.h"
#include "trace/reference_circle.h"

#include <QLocale>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace volvenda {

namespace {

// Passes every call on, and counts the steps of the curve (one Present each).
class CountingSurface final : public DrawingSurface
{
public:
    CountingSurface(DrawingSurface &surface, double steps, const std::function<void(double)> &progress)
        : m_surface(surface)
        , m_steps(std::max(steps, 1.0))
        , m_progress(progress)
    {
    }

    void ClearSurface() override { m_surface.ClearSurface(); }
    void PenWidth(int width) override { m_surface.PenWidth(width); }
    void DrawCircle(float x, float y, float radius, COLORREF colour) override
    {
        m_surface.DrawCircle(x, y, radius, colour);
    }
    void DrawLine(float x1, float y1, float x2, float y2, COLORREF colour) override
    {
        m_surface.DrawLine(x1, y1, x2, y2, colour);
    }
    void Present() override
    {
        m_surface.Present();
        ++m_done;
        if (m_progress)
            m_progress(std::min(m_done / m_steps, 1.0));
    }

private:
    DrawingSurface &m_surface;
    double m_steps;
    double m_done = 0.0;
    const std::function<void(double)> &m_progress;
};

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
    void PenWidth(int width) override { m_penWidth = std::max(width, 1); }
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
    static constexpr double narrowestStroke = 16.0;

    [[nodiscard]] QRectF bounds() const { return viewStrokeBounds(QSizeF(CanvasSize), QRectF(m_view), m_penWidth); }
    void addStroke(double length)
    {
        const double width = double(m_penWidth) * m_scale;
        m_work += (length * m_scale + width) * std::max(width, narrowestStroke);
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
    void PenWidth(int width) override { m_penWidth = std::max(width, 1); }
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

QString withThousands(double value)
{
    QLocale locale = QLocale::c();
    locale.setNumberOptions({});
    return locale.toString(value, 'f', 0);
}

// 3 significant digits and a word: "27.6 billion".
QString roughly(double value)
{
    if (value >= 1e9)
        return QString::number(value / 1e9, 'g', 3) + QStringLiteral(" billion");
    if (value >= 1e6)
        return QString::number(value / 1e6, 'g', 3) + QStringLiteral(" million");
    return withThousands(value);
}

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

PicturePlan planPicture(const RenderOptions &options, COLORREF colour, double rasterBudget)
{
    PictureRequest request;
    request.reference = options.reference;
    request.plan.radii = Radii {options.R1, options.R2, options.R3};
    request.plan.colour = colour;
    // T = 0, 0.25, ..., 201.0: 805 points and 804 segments.
    request.segments = std::floor(TraceEnd / ParameterStep);

    if (options.untilClosed) {
        // From the radii as drawn, so that the closing matches the picture.
        const std::optional<Closure> closure = closeCurve(options.R1, options.R2, ParameterStep);
        if (!closure)
            return {std::nullopt, QStringLiteral("R1 and R2 have too many digits to work out where the curve closes")};
        if (closure->segments > LargestSegmentCount)
            return {std::nullopt,
                QStringLiteral("closing this curve needs %1 steps, more than the limit of %2")
                    .arg(withThousands(closure->segments), withThousands(LargestSegmentCount))};
        request.plan.end = closure->end;
        request.plan.closeOnFirstPoint = true;
        request.segments = closure->segments;
    }

    if (options.fit) {
        const std::optional<QRect> drawn = drawnArea(request);
        if (!drawn)
            return {std::nullopt,
                QStringLiteral("nothing of this picture lands on the canvas, so --fit has nothing to cut it to")};
        const int margin = *options.fit;
        request.view = drawn->adjusted(-margin, -margin, margin, margin);
    }

    if (options.format == PictureFormat::Png) {
        const QSizeF size = QSizeF(request.view.size()) * options.scale;
        if (size.width() * size.height() > LargestPicturePixels)
            return {std::nullopt,
                QStringLiteral("the picture at scale %1 would be %2 x %3 pixels, more than the limit of %4 pixels; "
                               "a smaller --fit margin or a lower --scale takes less")
                    .arg(QString::number(options.scale), withThousands(size.width()), withThousands(size.height()),
                        roughly(LargestPicturePixels))};
        const double work = rasterWork(request, options.scale);
        if (work > rasterBudget) {
            const QString remedy = options.scale > 1 ? QStringLiteral("a lower --scale takes less")
                                                     : QStringLiteral("without --until-closed the curve stops sooner");
            return {std::nullopt,
                QStringLiteral("drawing this curve at scale %1 means sweeping about %2 pixels, more than the limit "
                               "of %3; %4")
                    .arg(QString::number(options.scale), roughly(work), roughly(rasterBudget), remedy)};
        }
    }
    return {request, QString()};
}

void drawPicture(const PictureRequest &request, DrawingSurface &target, const std::function<void(double)> &progress)
{
    CountingSurface surface(target, request.segments + 1.0, progress);
    if (request.reference)
        drawReferenceCircle(surface, narrowToSingle(std::fabs(request.plan.radii.R1)));
    surface.PenWidth(2);
    TraceState state;
    traceCurve(state, request.plan, surface);
}

} // namespace volvenda
