#pragma once

#include "output/animation_writing.h"

#include <gif_lib.h>

#include <cstdint>

namespace volvenda {

// An animated GIF, written as its frames come. Each frame has a palette of
// its own, so that a picture of more colours than one palette holds comes
// out exact: a later frame holds only the pixels of the colours drawn since
// the frame before (any pixel that changed has one of them, drawing being
// aliased), the rest of its rectangle transparent, so at most 255 colours
// drawn in one frame. The frames stay in place, one over another; the
// animation plays once, or for ever with settings.loop.
class GifWriter final : public AnimationWriter
{
public:
    GifWriter(QIODevice &device, const AnimationSettings &settings);
    ~GifWriter() override;
    GifWriter(const GifWriter &) = delete;
    GifWriter &operator=(const GifWriter &) = delete;
    GifWriter(GifWriter &&) = delete;
    GifWriter &operator=(GifWriter &&) = delete;

    // Throws RuntimeError WorkRefused for a frame of more than 255 colours
    // drawn, which planning refuses first.
    bool addFrame(const QImage &image, const QRect &area, int centiseconds, const std::vector<QRgb> &drawn) override;
    bool finish(const QImage &finished) override;

private:
    bool begin(QSize size);

    QIODevice &m_device;
    bool m_loop;
    GifFileType *m_gif = nullptr;
    bool m_failed = false;
};

} // namespace volvenda
