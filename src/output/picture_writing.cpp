#include "picture_writing.h"

#include "png_writing.h"
#include "runtime/runtime_error.h"

#include <QImage>

namespace volvenda {

Picture::Picture(const QImage *image, const VectorSurface *drawing)
    : image(image)
    , drawing(drawing)
{
    if (image && image->isNull())
        throw RuntimeError(ErrorKind::OutOfMemory);
}

bool writePicture(QIODevice &device, PictureFormat format, const Picture &picture, const SvgOptions &svg,
    const std::function<void(double)> &progress)
{
    if (format == PictureFormat::Svg)
        return writeSvg(*picture.drawing, device, svg);
    return writePng(*picture.image, device, progress);
}

} // namespace volvenda
