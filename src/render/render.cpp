#include "render.h"

#include "runtime/clipping.h"
#include "runtime/drawing_surface.h"
#include "runtime/numbers.h"
#include "trace/closure.h"

#include <QLocale>

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
    explicit CostSurface(int scale)
        : m_scale(scale)
    {
    }

    void ClearSurface() override { }
    void PenWidth(int width) override { m_penWidth = std::max(width, 1); }
    void DrawCircle(float x, float y, float radius, COLORREF) override
    {
        const double r = std::fabs(static_cast<double>(radius));
        const VisibleCircle visible = visiblePart(QPointF(x, y), r, m_penWidth, bounds());
        if (visible.whole)
            addStroke(2.0 * std::numbers::pi * r);
        for (qsizetype i = 1; i < visible.arc.size(); ++i)
            addStroke(QLineF(visible.arc[i - 1], visible.arc[i]).length());
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

    [[nodiscard]] QRectF bounds() const { return strokeBounds(QSizeF(CanvasSize), m_penWidth); }
    void addStroke(double length)
    {
        const double width = double(m_penWidth) * m_scale;
        m_work += (length * m_scale + width) * std::max(width, narrowestStroke);
    }

    int m_scale;
    int m_penWidth = 1;
    double m_work = 0.0;
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

double rasterWork(const PictureRequest &request, int scale)
{
    CostSurface cost(scale);
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

    if (options.format == ImageFormat::Png) {
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
    if (request.reference) {
        surface.PenWidth(1);
        surface.DrawCircle(CentreX, CentreY, narrowToSingle(std::fabs(request.plan.radii.R1)), ReferenceGray);
    }
    surface.PenWidth(2);
    WindowState state;
    traceCurve(state, request.plan, surface);
}

} // namespace volvenda
