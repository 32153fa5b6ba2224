#include "animation.h"

#include "picture.h"

#include "drawing/raster_surface.h"
#include "output/animation_writing.h"

#include <algorithm>
#include <cmath>

namespace volvenda {

namespace {

// Passes every call on to the raster surface, and at each frame's present
// hands the writer what changed since the frame before.
class FrameRecorder final : public DrawingSurface
{
public:
    FrameRecorder(RasterSurface &surface, const std::vector<AnimationFrame> &frames, AnimationWriter &writer)
        : m_surface(surface)
        , m_frames(frames)
        , m_writer(writer)
    {
        m_surface.setPresentHandler([this](const QRect &changed) { m_changed |= changed; });
    }
    ~FrameRecorder() override { m_surface.setPresentHandler({}); }
    FrameRecorder(const FrameRecorder &) = delete;
    FrameRecorder &operator=(const FrameRecorder &) = delete;
    FrameRecorder(FrameRecorder &&) = delete;
    FrameRecorder &operator=(FrameRecorder &&) = delete;

    void ClearSurface() override { m_surface.ClearSurface(); }
    void PenWidth(int width) override { m_surface.PenWidth(width); }
    void DrawCircle(float x, float y, float radius, COLORREF colour) override
    {
        m_surface.DrawCircle(x, y, radius, colour);
        addColour(m_drawn, colour);
    }
    void DrawLine(float x1, float y1, float x2, float y2, COLORREF colour) override
    {
        m_surface.DrawLine(x1, y1, x2, y2, colour);
        addColour(m_drawn, colour);
    }
    void Present() override
    {
        m_surface.Present();
        ++m_presents;
        while (m_next < m_frames.size() && m_frames[m_next].presents <= m_presents)
            takeFrame(m_frames[m_next++].centiseconds);
    }

    [[nodiscard]] bool written() const { return m_written && m_next == m_frames.size(); }

private:
    void takeFrame(int centiseconds)
    {
        // The changed part of the canvas, in the image's device pixels.
        const QRect view = m_surface.view();
        const qreal ratio = m_surface.devicePixelRatio();
        const QRect area
            = QRectF(QPointF(m_changed.topLeft() - view.topLeft()) * ratio, QSizeF(m_changed.size()) * ratio)
                  .toAlignedRect();
        if (m_written)
            m_written = m_writer.addFrame(m_surface.image(), area, centiseconds, m_drawn);
        m_changed = QRect();
        m_drawn.clear();
    }

    RasterSurface &m_surface;
    const std::vector<AnimationFrame> &m_frames;
    AnimationWriter &m_writer;
    std::size_t m_next = 0;
    double m_presents = 0.0;
    QRect m_changed;
    std::vector<QRgb> m_drawn;
    bool m_written = true;
};

} // namespace

std::vector<AnimationFrame> scheduleFrames(double presents, double seconds, bool loop)
{
    const long total = std::max(std::lround(seconds * 100.0), long(ShortestFrame));
    // Steps after the first present, and the frames that show them growing.
    const double steps = std::max(presents - 1.0, 0.0);
    // Whole frames of at least the shortest time.
    const long most = total / ShortestFrame;
    const auto growing = static_cast<long>(std::max(1.0, std::min(steps, double(most - 1))));
    const long count = growing + 1;
    std::vector<AnimationFrame> frames;
    frames.reserve(static_cast<std::size_t>(count));
    for (long frame = 0; frame < count; ++frame) {
        const double shown = 1.0 + std::floor(steps * double(frame) / double(growing));
        // Each frame ends where the even share of the time up to its end does,
        // so that the rounding never adds up.
        const auto begins = frame * total / count;
        const auto ends = (frame + 1) * total / count;
        frames.push_back({shown, static_cast<int>(ends - begins)});
    }
    if (loop)
        frames.back().centiseconds += LoopPause;
    return frames;
}

bool drawAnimation(const PictureRequest &request, RasterSurface &surface, AnimationWriter &writer,
    const std::function<void(double)> &progress)
{
    FrameRecorder recorder(surface, request.frames, writer);
    drawPicture(request, recorder, progress);
    return recorder.written();
}

} // namespace volvenda
