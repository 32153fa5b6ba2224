#include "row_reader.h"

#include <algorithm>
#include <cstring>

namespace volvenda {

RowReader::RowReader(const QImage &image)
    : m_image(image)
    , m_row(static_cast<std::size_t>(image.width()))
{
}

const QRgb *RowReader::row(int y, int left, int width)
{
    const uchar *line = m_image.constScanLine(y);
    QRgb *out = m_row.data();
    switch (m_image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
        return reinterpret_cast<const QRgb *>(line) + left;
    case QImage::Format_ARGB32_Premultiplied: {
        const auto *pixels = reinterpret_cast<const QRgb *>(line) + left;
        std::transform(pixels, pixels + width, out, [](QRgb p) { return qUnpremultiply(p); });
        break;
    }
    case QImage::Format_RGB888:
        line += 3 * std::ptrdiff_t(left);
        for (int x = 0; x < width; ++x, line += 3)
            out[x] = qRgb(line[0], line[1], line[2]);
        break;
    default: {
        // Formats the program does not draw in: the part converted at once.
        const QImage converted = m_image.copy(left, y, width, 1).convertToFormat(QImage::Format_ARGB32);
        std::memcpy(out, converted.constScanLine(0), std::size_t(width) * sizeof(QRgb));
        break;
    }
    }
    return out;
}

} // namespace volvenda
