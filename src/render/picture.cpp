#include "picture.h"

#include "number_wording.h"

#include "drawing/drawing_surface.h"
#include "runtime/arithmetic.h"
#include "runtime/colour.h"
#include "runtime/runtime_error.h"
#include "trace/reference_circle.h"
#include "trace/start_command.h"

#include <algorithm>
#include <cmath>

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

} // namespace

void addColour(std::vector<QRgb> &colours, COLORREF colour)
{
    const QRgb rgb = toQColor(colour).rgb();
    if (std::find(colours.begin(), colours.end(), rgb) == colours.end())
        colours.push_back(rgb);
}

std::vector<QRgb> pictureColours(const PictureRequest &request, QColor background)
{
    std::vector<QRgb> colours {background.rgb()};
    if (request.circle)
        addColour(colours, ReferenceGray);
    for (const TracePlan &run : request.runs)
        addColour(colours, run.colour);
    return colours;
}

double presents(const PictureRequest &request)
{
    return request.segments + double(request.runs.size());
}

void drawPicture(const PictureRequest &request, DrawingSurface &target, const std::function<void(double)> &progress)
{
    CountingSurface surface(target, presents(request), progress);
    if (request.circle)
        drawReferenceCircle(surface, *request.circle);
    // One state for all the runs, as the window keeps one for all its Starts.
    TraceState state;
    for (std::size_t run = 0; run < request.runs.size(); ++run) {
        try {
            drawStartCommand(state, request.runs[run], surface);
        } catch (const RuntimeError &error) {
            // The Start command's own errors are the run's; too little memory is the picture's.
            const bool ofTheRun = error.kind() == ErrorKind::DivisionByZero || error.kind() == ErrorKind::Overflow;
            if (request.runs.size() == 1 || !ofTheRun)
                throw;
            throw RuntimeError(
                error.kind(), runInWords(run, request.runs[run].radii) + QStringLiteral(": ") + error.errorText());
        }
    }
}

QStringList layerNames(const PictureRequest &request)
{
    QStringList names;
    if (request.circle)
        names << circleLayerName();
    for (std::size_t run = 0; run < request.runs.size(); ++run)
        names << layerName(run, request.runs[run].radii);
    return names;
}

} // namespace volvenda
