#pragma once

#include "output/animation_writing.h"

#include "output/detail/png_encoding.h"

#include <QByteArray>

#include <cstdint>

namespace volvenda {

// An animated PNG whose default image, the one a viewer that does not
// animate shows, is the finished picture; the animation's frames follow it.
// So the frames are kept, deflated, until the finished picture is known.
// All take one palette when the settings' colours fit one. Each frame
// replaces its rectangle; the animation plays once, or for ever with
// settings.loop.
class AnimatedPngWriter final : public AnimationWriter
{
public:
    AnimatedPngWriter(QIODevice &device, const AnimationSettings &settings);

    bool addFrame(const QImage &image, const QRect &area, int centiseconds, const std::vector<QRgb> &drawn) override;
    bool finish(const QImage &finished) override;

private:
    QIODevice &m_device;
    bool m_loop;
    png::Layout m_layout;
    // The frames' fcTL and fdAT chunks, in order.
    QByteArray m_frames;
    std::uint32_t m_frameCount = 0;
    std::uint32_t m_sequence = 0;
    // One for all the frames: each makes a stream of its own.
    png::Deflater m_deflater;
};

} // namespace volvenda
