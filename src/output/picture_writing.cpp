#include "picture_writing.h"

#include "png_writing.h"
#include "runtime/runtime_error.h"

#include <QImage>

namespace volvenda {

bool writePicture(QIODevice &device, PictureFormat format, const Picture &picture, const SvgOptions &svg,
    const std::function<void(double)> &progress)
{
    if (format == PictureFormat::Svg)
        return writeSvg(*picture.drawing, device, svg);
    if (picture.image->isNull())
        throw RuntimeError(ErrorKind::OutOfMemory);
    return writePng(*picture.image, device, progress);
}

} // namespace volvenda
