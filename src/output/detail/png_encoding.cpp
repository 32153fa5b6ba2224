#include "png_encoding.h"

#include "row_reader.h"

#include <QIODevice>

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <span>

namespace volvenda::png {

namespace {

constexpr std::size_t OutputChunk = 1 << 16;

// Whether row y of area holds the same pixels as the row above it: in line
// art most do, and a row compared is quicker than a row converted.
bool repeatsRowAbove(const QImage &image, const QRect &area, int y)
{
    if (y <= area.top())
        return false;
    const int depth = image.depth();
    // Whole bytes a pixel (every format drawn in): just the area's; else the whole row.
    const qsizetype from = depth % 8 == 0 ? qsizetype(area.left()) * depth / 8 : 0;
    const qsizetype used
        = depth % 8 == 0 ? qsizetype(area.width()) * depth / 8 : (qsizetype(image.width()) * depth + 7) / 8;
    return std::memcmp(image.constScanLine(y) + from, image.constScanLine(y - 1) + from, std::size_t(used)) == 0;
}

int depthFor(std::size_t colours)
{
    if (colours <= 2)
        return 1;
    if (colours <= 4)
        return 2;
    if (colours <= 16)
        return 4;
    return 8;
}

// One row of the area as PNG bytes after the filter byte (0, none): palette
// indices packed from the high bits down, or red, green, blue (and alpha).
void packRow(const QRgb *row, std::size_t width, const Layout &layout, std::vector<std::uint8_t> &filtered)
{
    std::fill(filtered.begin(), filtered.end(), 0);
    std::uint8_t *out = filtered.data() + 1;
    if (const std::optional<std::vector<QRgb>> &palette = layout.palette) {
        QRgb last = palette->front();
        unsigned index = 0;
        const auto depth = unsigned(layout.depth);
        for (std::size_t x = 0; x < width; ++x) {
            if (row[x] != last) {
                last = row[x];
                index = unsigned(std::find(palette->begin(), palette->end(), last) - palette->begin());
            }
            const std::size_t bit = x * depth;
            out[bit / 8] |= static_cast<std::uint8_t>(index << (8U - depth - bit % 8));
        }
        return;
    }
    for (std::size_t x = 0; x < width; ++x) {
        *out++ = std::uint8_t(qRed(row[x]));
        *out++ = std::uint8_t(qGreen(row[x]));
        *out++ = std::uint8_t(qBlue(row[x]));
        if (layout.alpha)
            *out++ = std::uint8_t(qAlpha(row[x]));
    }
}

} // namespace

void putBigEndian(QByteArray &out, std::uint32_t value)
{
    out += char((value >> 24U) & 0xFFU);
    out += char((value >> 16U) & 0xFFU);
    out += char((value >> 8U) & 0xFFU);
    out += char(value & 0xFFU);
}

bool writeSignature(QIODevice &device)
{
    static constexpr std::array<char, 8> bytes {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'};
    return device.write(bytes.data(), bytes.size()) == qint64(bytes.size());
}

QByteArray chunk(const char (&type)[5], const QByteArray &data)
{
    QByteArray out;
    out.reserve(data.size() + 12);
    putBigEndian(out, static_cast<std::uint32_t>(data.size()));
    out.append(type, 4);
    out += data;
    const auto *checked = reinterpret_cast<const Bytef *>(out.constData() + 4);
    putBigEndian(out, static_cast<std::uint32_t>(crc32(crc32(0, nullptr, 0), checked, uInt(data.size() + 4))));
    return out;
}

bool writeChunk(QIODevice &device, const char (&type)[5], const QByteArray &data)
{
    const QByteArray out = chunk(type, data);
    return device.write(out) == out.size();
}

Layout layoutFor(const std::optional<std::vector<QRgb>> &colours, bool alphaChannel)
{
    Layout layout;
    if (colours && !colours->empty() && colours->size() <= LargestPalette) {
        layout.palette = colours;
        layout.depth = depthFor(colours->size());
        layout.alpha = std::any_of(colours->begin(), colours->end(), [](QRgb c) { return qAlpha(c) < 255; });
    } else {
        layout.alpha = alphaChannel;
    }
    return layout;
}

std::optional<std::vector<QRgb>> paletteOf(const QImage &image)
{
    RowReader reader(image);
    std::vector<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        if (repeatsRowAbove(image, image.rect(), y))
            continue;
        const QRgb *row = reader.row(y, 0, image.width());
        QRgb last = row[0];
        bool first = true;
        for (const QRgb pixel : std::span(row, std::size_t(image.width()))) {
            // Line art is long runs of one colour: compare with the last first.
            if (!first && pixel == last)
                continue;
            first = false;
            last = pixel;
            if (std::find(colours.begin(), colours.end(), pixel) == colours.end()) {
                if (colours.size() == LargestPalette)
                    return std::nullopt;
                colours.push_back(pixel);
            }
        }
    }
    return colours;
}

QByteArray header(QSize size, const Layout &layout)
{
    QByteArray data;
    putBigEndian(data, static_cast<std::uint32_t>(size.width()));
    putBigEndian(data, static_cast<std::uint32_t>(size.height()));
    data += char(layout.depth);
    data += char(layout.colourType());
    data += QByteArray(3, '\0'); // deflate, the standard filter method, no interlace
    return data;
}

namespace {

bool writePalette(QIODevice &device, const Layout &layout)
{
    if (!layout.palette)
        return true;
    QByteArray colours;
    QByteArray alphas;
    for (const QRgb c : *layout.palette) {
        colours += char(qRed(c));
        colours += char(qGreen(c));
        colours += char(qBlue(c));
        alphas += char(qAlpha(c));
    }
    return writeChunk(device, "PLTE", colours) && (!layout.alpha || writeChunk(device, "tRNS", alphas));
}

bool writeResolution(QIODevice &device, const QImage &image)
{
    if (image.dotsPerMeterX() <= 0 || image.dotsPerMeterY() <= 0)
        return true;
    QByteArray resolution;
    putBigEndian(resolution, static_cast<std::uint32_t>(image.dotsPerMeterX()));
    putBigEndian(resolution, static_cast<std::uint32_t>(image.dotsPerMeterY()));
    resolution += char(1); // per metre
    return writeChunk(device, "pHYs", resolution);
}

} // namespace

bool writeHead(QIODevice &device, const QImage &image, const Layout &layout, const std::function<bool()> &more)
{
    return writeSignature(device) && writeChunk(device, "IHDR", header(image.size(), layout)) && (!more || more())
        && writePalette(device, layout) && writeResolution(device, image);
}

bool writeImageData(
    QIODevice &device, const QImage &image, const Layout &layout, const std::function<void(double)> &progress)
{
    Deflater deflater([&](const QByteArray &piece) { return writeChunk(device, "IDAT", piece); });
    return deflater.deflateImage(image, image.rect(), layout, progress);
}

Deflater::Deflater(std::function<bool(const QByteArray &)> emitPiece, int level)
    : m_emit(std::move(emitPiece))
{
    if (deflateInit(&m_zlib, level) != Z_OK)
        throw std::bad_alloc();
    m_compressed.resize(OutputChunk);
}

Deflater::~Deflater()
{
    deflateEnd(&m_zlib);
}

bool Deflater::deflateImage(
    const QImage &image, const QRect &area, const Layout &layout, const std::function<void(double)> &progress)
{
    const auto width = static_cast<std::size_t>(area.width());
    const std::size_t rowBytes
        = layout.palette ? (width * std::size_t(layout.depth) + 7) / 8 : width * (layout.alpha ? 4 : 3);
    // The filter byte (0, none) and then the row.
    std::vector<std::uint8_t> filtered(rowBytes + 1);
    RowReader reader(image);
    const int step = std::max(1, area.height() / 100);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        // A row like the one above it gives the same bytes, still in filtered.
        if (!repeatsRowAbove(image, area, y))
            packRow(reader.row(y, area.left(), area.width()), width, layout, filtered);
        if (!deflateSome(filtered.data(), filtered.size(), Z_NO_FLUSH))
            return false;
        const int done = y - area.top() + 1;
        if (progress && done % step == 0)
            progress(double(done) / area.height());
    }
    return deflateSome(nullptr, 0, Z_FINISH);
}

bool Deflater::deflateSome(const std::uint8_t *data, std::size_t size, int flush)
{
    m_zlib.next_in = const_cast<Bytef *>(data); // zlib does not write through it
    m_zlib.avail_in = static_cast<uInt>(size);
    for (;;) {
        m_zlib.next_out = reinterpret_cast<Bytef *>(m_compressed.data()) + m_filled;
        m_zlib.avail_out = static_cast<uInt>(OutputChunk - m_filled);
        const int result = deflate(&m_zlib, flush);
        if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR)
            return false;
        m_filled = OutputChunk - m_zlib.avail_out;
        if (m_filled == OutputChunk || (result == Z_STREAM_END && m_filled > 0)) {
            if (!m_emit(m_compressed.first(static_cast<qsizetype>(m_filled))))
                return false;
            m_filled = 0;
        }
        if (result == Z_STREAM_END) {
            // Ready for the next picture.
            deflateReset(&m_zlib);
            return true;
        }
        if (flush == Z_NO_FLUSH && m_zlib.avail_in == 0 && m_zlib.avail_out > 0)
            return true;
    }
}

} // namespace volvenda::png
