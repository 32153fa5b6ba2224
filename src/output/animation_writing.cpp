#include "animation_writing.h"

#include "output/detail/animated_png_writer.h"
#include "output/detail/gif_writer.h"

namespace volvenda {

std::unique_ptr<AnimationWriter> animationWriter(
    PictureFormat format, QIODevice &device, const AnimationSettings &settings)
{
    if (format == PictureFormat::Gif)
        return std::make_unique<GifWriter>(device, settings);
    return std::make_unique<AnimatedPngWriter>(device, settings);
}

} // namespace volvenda
