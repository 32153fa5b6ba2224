#pragma once

#include <QImage>

#include <vector>

namespace volvenda {

// Reads an image a row, or a part of one, at a time as unpremultiplied ARGB,
// whatever its format, for the writers that encode it.
class RowReader
{
public:
    explicit RowReader(const QImage &image);

    // The pixels left to left + width - 1 of row y, valid until the next call.
    const QRgb *row(int y, int left, int width);

private:
    const QImage &m_image;
    std::vector<QRgb> m_row;
};

} // namespace volvenda
