#pragma once

#include "picture_format.h"

#include <QImage>
#include <QRect>

#include <memory>
#include <vector>

class QIODevice;

namespace volvenda {

// How an animation is to be written, known before its first frame.
struct AnimationSettings
{
    // Every colour any frame may hold: the background, the grey circle's and
    // the runs'. The animated PNG takes a palette when they fit one.
    std::vector<QRgb> colours;
    // Played for ever rather than once.
    bool loop = false;
};

// Writes an animation frame by frame, from an image drawn into between
// frames: the first frame is the whole image; each later one only the part
// that may have changed since, the rest of the picture staying as it was.
class AnimationWriter
{
public:
    virtual ~AnimationWriter() = default;

    // area: the device pixels of image that may have changed since the last
    // frame (ignored for the first); drawn: the colours drawn into it since.
    // The frame shows for centiseconds. False when the device refused a write.
    virtual bool addFrame(const QImage &image, const QRect &area, int centiseconds, const std::vector<QRgb> &drawn) = 0;
    // After the last frame, with the image as it ends. False when the device
    // refused a write.
    virtual bool finish(const QImage &finished) = 0;

protected:
    AnimationWriter() = default;
    AnimationWriter(const AnimationWriter &) = default;
    AnimationWriter &operator=(const AnimationWriter &) = default;
    AnimationWriter(AnimationWriter &&) = default;
    AnimationWriter &operator=(AnimationWriter &&) = default;
};

// A GIF for PictureFormat::Gif, an animated PNG for PictureFormat::Png.
[[nodiscard]] std::unique_ptr<AnimationWriter> animationWriter(
    PictureFormat format, QIODevice &device, const AnimationSettings &settings);

} // namespace volvenda
