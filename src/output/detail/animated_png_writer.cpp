#include "animated_png_writer.h"

#include <QIODevice>

namespace volvenda {

namespace {

// Frames are many and small: zlib's quickest level deflates them in half the
// time of its default, for a file about a tenth larger.
constexpr int FrameCompression = Z_BEST_SPEED;
// The frame's delay is centiseconds over this.
constexpr std::uint16_t DelayDenominator = 100;

void putShort(QByteArray &out, std::uint16_t value)
{
    out += char((value >> 8U) & 0xFFU);
    out += char(value & 0xFFU);
}

} // namespace

AnimatedPngWriter::AnimatedPngWriter(QIODevice &device, const AnimationSettings &settings)
    : m_device(device)
    , m_loop(settings.loop)
    , m_layout(png::layoutFor(settings.colours, false))
    , m_deflater(
          [this](const QByteArray &piece) {
              QByteArray data;
              png::putBigEndian(data, m_sequence++);
              m_frames += png::chunk("fdAT", data + piece);
              return true;
          },
          FrameCompression)
{
}

bool AnimatedPngWriter::addFrame(const QImage &image, const QRect &area, int centiseconds, const std::vector<QRgb> &)
{
    // The first frame is the whole picture, as the format asks.
    QRect rect = m_frameCount == 0 ? image.rect() : area & image.rect();
    if (rect.isEmpty())
        rect = QRect(0, 0, 1, 1);
    QByteArray control;
    png::putBigEndian(control, m_sequence++);
    png::putBigEndian(control, std::uint32_t(rect.width()));
    png::putBigEndian(control, std::uint32_t(rect.height()));
    png::putBigEndian(control, std::uint32_t(rect.left()));
    png::putBigEndian(control, std::uint32_t(rect.top()));
    putShort(control, std::uint16_t(centiseconds));
    putShort(control, DelayDenominator);
    control += char(0); // the frame stays when the next one comes
    control += char(0); // and replaces what was in its rectangle
    m_frames += png::chunk("fcTL", control);
    ++m_frameCount;
    return m_deflater.deflateImage(image, rect, m_layout);
}

bool AnimatedPngWriter::finish(const QImage &finished)
{
    const auto animationControl = [&] {
        QByteArray control;
        png::putBigEndian(control, m_frameCount);
        png::putBigEndian(control, m_loop ? 0 : 1); // plays: 0 for ever
        return png::writeChunk(m_device, "acTL", control);
    };
    return png::writeHead(m_device, finished, m_layout, animationControl)
        && png::writeImageData(m_device, finished, m_layout) && m_device.write(m_frames) == m_frames.size()
        && png::writeChunk(m_device, "IEND", QByteArray());
}

} // namespace volvenda
