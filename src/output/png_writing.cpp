#include "png_writing.h"

#include "output/detail/png_encoding.h"

#include <QIODevice>

namespace volvenda {

bool writePng(const QImage &image, QIODevice &device, const std::function<void(double)> &progress)
{
    if (image.isNull())
        return false;
    const png::Layout layout = png::layoutFor(png::paletteOf(image), image.hasAlphaChannel());
    return png::writeHead(device, image, layout) && png::writeImageData(device, image, layout, progress)
        && png::writeChunk(device, "IEND", QByteArray());
}

} // namespace volvenda
