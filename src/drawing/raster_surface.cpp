#include "raster_surface.h"

#include "clipping.h"
#include "runtime/runtime_error.h"

#include <QPainter>
#include <QPen>
#include <QSemaphore>
#include <QThreadPool>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <latch>
#include <memory>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include <malloc.h>
#include <sys/mman.h>

namespace volvenda {

namespace {

// Qt fills a 24-bit image a pixel at a time; one filled row copied down the
// image goes as fast as memory does, in any format.
void fillImage(QImage &image, const QColor &colour)
{
    QImage row(image.width(), 1, image.format());
    row.fill(colour);
    const auto bytes = static_cast<std::size_t>(std::min(row.bytesPerLine(), image.bytesPerLine()));
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(image.scanLine(y), row.constScanLine(0), bytes);
}

// An image in memory of its own, whose pages the kernel provides all at once
// rather than at a fault each as the image is first filled: that costs as
// much as the fill itself, and delays the window's first frame. A large one
// asks for huge pages: a picture at scale 16 is 137 MB, and touching it a
// 4 KB page at a time costs more than drawing it.
QImage allocateImage(QSize size, QImage::Format format)
{
    const QImage probe(1, 1, format);
    const qsizetype bytesPerLine = ((qsizetype(size.width()) * probe.depth() + 31) / 32) * 4;
    const auto bytes = static_cast<std::size_t>(bytesPerLine * size.height());
    constexpr std::size_t small = std::size_t(64) << 10U;
    constexpr std::size_t large = std::size_t(8) << 20U;
    if (bytes < small || size.isEmpty())
        return QImage(size, format);
    void *memory = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        return QImage(size, format);
    if (bytes >= large)
        ::madvise(memory, bytes, MADV_HUGEPAGE);
    // Advice only: an older kernel refuses it, and the fill then faults as before.
    ::madvise(memory, bytes, MADV_POPULATE_WRITE);
    struct Mapping
    {
        void *memory;
        std::size_t bytes;
    };
    return QImage(
        static_cast<uchar *>(memory), size.width(), size.height(), bytesPerLine, format,
        [](void *info) {
            const auto *mapping = static_cast<Mapping *>(info);
            ::munmap(mapping->memory, mapping->bytes);
            delete mapping;
        },
        new Mapping {memory, bytes});
}

QImage makeImage(QSize logicalSize, qreal ratio, const QColor &background, QImage::Format format,
    PaintWorkers workers = PaintWorkers::WithFirstPicture)
{
    if (workers == PaintWorkers::WithFirstPicture)
        startPaintWorkers();
    QImage image = allocateImage(logicalSize * ratio, format);
    image.setDevicePixelRatio(ratio);
    // A logical pixel is a 96th of an inch, so viewers show a saved picture
    // at the window's size whatever its ratio.
    const int dotsPerMetre = qRound(96.0 / 0.0254 * ratio);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    fillImage(image, background);
    return image;
}

} // namespace

void startPaintWorkers()
{
    static bool started = false;
    if (started)
        return;
    // Every thread that allocates would get a memory arena of its own, each
    // holding 64 MB of address space, which a memory limit counts in full:
    // the threads share the program's one instead.
    ::mallopt(M_ARENA_MAX, 1);
    QThreadPool *pool = QThreadPool::globalInstance();
    // A fill is split into at most four parts.
    constexpr int mostParts = 4;
    const int count = std::clamp(pool->maxThreadCount(), 1, mostParts);
    // First asked with threads of our own, whose failure to start is harmless.
    {
        std::latch release(1);
        std::vector<std::thread> probes;
        try {
            for (int i = 0; i < count; ++i)
                probes.emplace_back([&release] { release.wait(); });
        } catch (const std::system_error &) {
        }
        release.count_down();
        const bool all = probes.size() == std::size_t(count);
        for (std::thread &probe : probes)
            probe.join();
        if (!all)
            throw RuntimeError(ErrorKind::OutOfMemory);
    }
    pool->setMaxThreadCount(count);
    pool->setExpiryTimeout(-1);
    // Each holds its thread until all have begun, so that each is one of its own.
    auto begun = std::make_shared<QSemaphore>();
    auto release = std::make_shared<QSemaphore>();
    for (int i = 0; i < count; ++i)
        pool->start([begun, release] {
            begun->release();
            release->acquire();
        });
    const bool all = begun->tryAcquire(count, 10'000);
    release->release(count);
    if (!all)
        throw RuntimeError(ErrorKind::OutOfMemory);
    started = true;
}

RasterSurface::RasterSurface(
    QSize logicalSize, qreal devicePixelRatio, QColor background, QImage::Format format, PaintWorkers workers)
    : RasterSurface(logicalSize, QRect(QPoint(0, 0), logicalSize), devicePixelRatio, background, format, workers)
{
}

RasterSurface::RasterSurface(QSize logicalSize, const QRect &view, qreal devicePixelRatio, QColor background,
    QImage::Format format, PaintWorkers workers)
    : m_logicalSize(logicalSize)
    , m_view(view)
    , m_background(background)
    , m_image(makeImage(view.size(), devicePixelRatio, m_background, format, workers))
{
    // Drawing on no image would draw nothing, and a saved picture be empty.
    if (m_image.isNull() && !view.isEmpty())
        throw RuntimeError(ErrorKind::OutOfMemory);
}

void RasterSurface::ClearSurface()
{
    m_painter.reset();
    fillImage(m_image, m_background);
    markChanged(bounds());
}

QPainter &RasterSurface::painter(COLORREF colour)
{
    if (!m_painter) {
        m_painter.emplace(&m_image);
        // Round caps and circles reach past the canvas's edges; a view that
        // reaches beyond them keeps the background there.
        const QRect canvas(QPoint(0, 0), m_logicalSize);
        if (!canvas.contains(m_view))
            m_painter->setClipRect(canvas.translated(-m_view.topLeft()));
        // Whole coordinates name pixels, so they are moved to the pixel's
        // centre: the aliased rasteriser then covers the same logical pixels
        // at every device-pixel ratio.
        m_painter->translate(0.5 - m_view.x(), 0.5 - m_view.y());
        m_painter->setBrush(Qt::NoBrush);
        m_painterWidth = 0;
    }
    if (m_painterWidth != m_penWidth || m_painterColour != colour) {
        m_painter->setPen(QPen(toQColor(colour), m_penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m_painterWidth = m_penWidth;
        m_painterColour = colour;
    }
    return *m_painter;
}

void RasterSurface::PenWidth(int width)
{
    m_penWidth = std::max(width, 1);
}

void RasterSurface::DrawCircle(float x, float y, float radius, COLORREF colour)
{
    const QPointF centre(x, y);
    const double r = std::fabs(static_cast<double>(radius));
    const VisibleCircle visible = visiblePart(centre, r, m_penWidth, clipBounds());
    if (visible.whole) {
        painter(colour).drawEllipse(centre, r, r);
        markChanged(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r));
        return;
    }
    for (qsizetype i = 1; i < visible.arc.size(); ++i)
        strokeLine(QLineF(visible.arc[i - 1], visible.arc[i]), colour);
}

void RasterSurface::DrawLine(float x1, float y1, float x2, float y2, COLORREF colour)
{
    strokeLine(QLineF(x1, y1, x2, y2), colour);
}

void RasterSurface::strokeLine(const QLineF &line, COLORREF colour)
{
    const std::optional<QLineF> visible = clipSegment(line, clipBounds());
    if (!visible)
        return;
    painter(colour).drawLine(*visible);
    markChanged(QRectF(visible->p1(), visible->p2()).normalized());
}

void RasterSurface::Present()
{
    const QRect changed = m_changed.toAlignedRect() & m_view;
    m_changed = QRectF();
    if (!changed.isEmpty() && m_onPresent)
        m_onPresent(changed);
}

void RasterSurface::setPresentHandler(PresentHandler handler)
{
    m_onPresent = std::move(handler);
}

void RasterSurface::setDevicePixelRatio(qreal ratio)
{
    if (qFuzzyCompare(ratio, devicePixelRatio()))
        return;
    QImage rebacked = makeImage(m_view.size(), ratio, m_background, m_image.format());
    if (rebacked.isNull())
        throw RuntimeError(ErrorKind::OutOfMemory);
    m_painter.reset();
    {
        QPainter painter(&rebacked);
        painter.drawImage(QRectF(QPointF(0, 0), QSizeF(m_view.size())), m_image);
    }
    m_image = std::move(rebacked);
    markChanged(bounds());
}

QRectF RasterSurface::bounds() const
{
    return QRectF(m_view);
}

QRectF RasterSurface::clipBounds() const
{
    return viewStrokeBounds(QSizeF(m_logicalSize), QRectF(m_view), m_penWidth);
}

void RasterSurface::markChanged(const QRectF &area)
{
    const double margin = m_penWidth + 1.0;
    const QRectF widened = area.adjusted(-margin, -margin, margin, margin) & bounds();
    m_changed = m_changed.isEmpty() ? widened : m_changed.united(widened);
}

} // namespace volvenda
