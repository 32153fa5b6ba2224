#include "png_writing.h"

#include <QIODevice>

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <new>
#include <optional>
#include <vector>

namespace volvenda {

namespace {

constexpr std::size_t LargestPalette = 256;
constexpr std::size_t OutputChunk = 1 << 16;

enum ColourType : std::uint8_t { Rgb = 2, Palette = 3, Rgba = 6 };

void putBigEndian(QByteArray &out, std::uint32_t value)
{
    out += char((value >> 24U) & 0xFFU);
    out += char((value >> 16U) & 0xFFU);
    out += char((value >> 8U) & 0xFFU);
    out += char(value & 0xFFU);
}

// Reads the image one row at a time as unpremultiplied ARGB, whatever its format.
class RowReader
{
public:
    explicit RowReader(const QImage &image)
        : m_image(image)
        , m_row(static_cast<std::size_t>(image.width()))
    {
    }

    const std::vector<QRgb> &row(int y)
    {
        const int width = m_image.width();
        const uchar *line = m_image.constScanLine(y);
        switch (m_image.format()) {
        case QImage::Format_RGB32:
        case QImage::Format_ARGB32:
            std::memcpy(m_row.data(), line, m_row.size() * sizeof(QRgb));
            break;
        case QImage::Format_ARGB32_Premultiplied: {
            const auto *pixels = reinterpret_cast<const QRgb *>(line);
            std::transform(pixels, pixels + width, m_row.begin(), [](QRgb p) { return qUnpremultiply(p); });
            break;
        }
        case QImage::Format_RGB888:
            for (int x = 0; x < width; ++x, line += 3)
                m_row[static_cast<std::size_t>(x)] = qRgb(line[0], line[1], line[2]);
            break;
        default: {
            // Formats the program does not draw in: one row converted at a time.
            const QImage converted = m_image.copy(0, y, width, 1).convertToFormat(QImage::Format_ARGB32);
            std::memcpy(m_row.data(), converted.constScanLine(0), m_row.size() * sizeof(QRgb));
            break;
        }
        }
        return m_row;
    }

private:
    const QImage &m_image;
    std::vector<QRgb> m_row;
};

// Whether row y holds the same pixels as the row above it: in line art most
// do, and a row compared is quicker than a row converted.
bool repeatsRowAbove(const QImage &image, int y)
{
    const auto used = static_cast<std::size_t>((qsizetype(image.width()) * image.depth() + 7) / 8);
    return y > 0 && std::memcmp(image.constScanLine(y), image.constScanLine(y - 1), used) == 0;
}

// The distinct colours of the image in the order met, or nullopt when there
// are more than a palette holds.
std::optional<std::vector<QRgb>> paletteOf(const QImage &image)
{
    RowReader reader(image);
    std::vector<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        if (repeatsRowAbove(image, y))
            continue;
        const std::vector<QRgb> &row = reader.row(y);
        QRgb last = row.front();
        bool first = true;
        for (const QRgb pixel : row) {
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

class PngStream
{
public:
    explicit PngStream(QIODevice &device)
        : m_device(device)
    {
        if (deflateInit(&m_zlib, Z_DEFAULT_COMPRESSION) != Z_OK)
            throw std::bad_alloc();
        m_compressed.resize(OutputChunk);
    }
    ~PngStream() { deflateEnd(&m_zlib); }
    PngStream(const PngStream &) = delete;
    PngStream &operator=(const PngStream &) = delete;
    PngStream(PngStream &&) = delete;
    PngStream &operator=(PngStream &&) = delete;

    bool signature()
    {
        static constexpr std::array<char, 8> bytes {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'};
        return m_device.write(bytes.data(), bytes.size()) == qint64(bytes.size());
    }

    bool chunk(const char (&type)[5], const QByteArray &data)
    {
        QByteArray out;
        out.reserve(data.size() + 12);
        putBigEndian(out, static_cast<std::uint32_t>(data.size()));
        out.append(type, 4);
        out += data;
        const auto *checked = reinterpret_cast<const Bytef *>(out.constData() + 4);
        putBigEndian(out, static_cast<std::uint32_t>(crc32(crc32(0, nullptr, 0), checked, uInt(data.size() + 4))));
        return m_device.write(out) == out.size();
    }

    // Compresses one row into image data, writing out whole chunks as they fill.
    bool row(const std::vector<std::uint8_t> &bytes) { return deflateSome(bytes.data(), bytes.size(), Z_NO_FLUSH); }
    bool finish() { return deflateSome(nullptr, 0, Z_FINISH); }

private:
    bool deflateSome(const std::uint8_t *data, std::size_t size, int flush)
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
                if (!chunk("IDAT", m_compressed.first(static_cast<qsizetype>(m_filled))))
                    return false;
                m_filled = 0;
            }
            if (result == Z_STREAM_END || (flush == Z_NO_FLUSH && m_zlib.avail_in == 0 && m_zlib.avail_out > 0))
                return true;
        }
    }

    QIODevice &m_device;
    z_stream m_zlib {};
    QByteArray m_compressed;
    std::size_t m_filled = 0;
};

QByteArray header(const QImage &image, int depth, ColourType type)
{
    QByteArray data;
    putBigEndian(data, static_cast<std::uint32_t>(image.width()));
    putBigEndian(data, static_cast<std::uint32_t>(image.height()));
    data += char(depth);
    data += char(type);
    data += QByteArray(3, '\0'); // deflate, the standard filter method, no interlace
    return data;
}

// One row of the image as PNG bytes after the filter byte (0, none): palette
// indices packed from the high bits down, or red, green, blue (and alpha).
void packRow(const std::vector<QRgb> &row, const std::vector<QRgb> *palette, int depth, std::size_t channels,
    std::vector<std::uint8_t> &filtered)
{
    std::fill(filtered.begin(), filtered.end(), 0);
    std::uint8_t *out = filtered.data() + 1;
    if (palette) {
        QRgb last = palette->front();
        unsigned index = 0;
        for (std::size_t x = 0; x < row.size(); ++x) {
            if (row[x] != last) {
                last = row[x];
                index = unsigned(std::find(palette->begin(), palette->end(), last) - palette->begin());
            }
            const std::size_t bit = x * std::size_t(depth);
            out[bit / 8] |= static_cast<std::uint8_t>(index << (8U - unsigned(depth) - bit % 8));
        }
        return;
    }
    for (const QRgb c : row) {
        *out++ = std::uint8_t(qRed(c));
        *out++ = std::uint8_t(qGreen(c));
        *out++ = std::uint8_t(qBlue(c));
        if (channels == 4)
            *out++ = std::uint8_t(qAlpha(c));
    }
}

} // namespace

bool writePng(const QImage &image, QIODevice &device, const std::function<void(double)> &progress)
{
    if (image.isNull())
        return false;
    const std::optional<std::vector<QRgb>> palette = paletteOf(image);
    const bool transparent = palette
        ? std::any_of(palette->begin(), palette->end(), [](QRgb c) { return qAlpha(c) < 255; })
        : image.hasAlphaChannel();
    const ColourType type = palette ? Palette : transparent ? Rgba : Rgb;
    const int depth = palette ? depthFor(palette->size()) : 8;

    PngStream png(device);
    if (!png.signature() || !png.chunk("IHDR", header(image, depth, type)))
        return false;
    if (palette) {
        QByteArray colours;
        QByteArray alphas;
        for (const QRgb c : *palette) {
            colours += char(qRed(c));
            colours += char(qGreen(c));
            colours += char(qBlue(c));
            alphas += char(qAlpha(c));
        }
        if (!png.chunk("PLTE", colours) || (transparent && !png.chunk("tRNS", alphas)))
            return false;
    }
    if (image.dotsPerMeterX() > 0 && image.dotsPerMeterY() > 0) {
        QByteArray resolution;
        putBigEndian(resolution, static_cast<std::uint32_t>(image.dotsPerMeterX()));
        putBigEndian(resolution, static_cast<std::uint32_t>(image.dotsPerMeterY()));
        resolution += char(1); // per metre
        if (!png.chunk("pHYs", resolution))
            return false;
    }

    const auto width = static_cast<std::size_t>(image.width());
    const std::size_t channels = type == Rgba ? 4 : 3;
    const std::size_t rowBytes = palette ? (width * std::size_t(depth) + 7) / 8 : width * channels;
    // The filter byte (0, none) and then the row.
    std::vector<std::uint8_t> filtered(rowBytes + 1);
    RowReader reader(image);
    const int step = std::max(1, image.height() / 100);
    for (int y = 0; y < image.height(); ++y) {
        // A row like the one above it gives the same bytes, still in filtered.
        if (!repeatsRowAbove(image, y))
            packRow(reader.row(y), palette ? &*palette : nullptr, depth, channels, filtered);
        if (!png.row(filtered))
            return false;
        if (progress && (y + 1) % step == 0)
            progress(double(y + 1) / image.height());
    }
    return png.finish() && png.chunk("IEND", QByteArray());
}

} // namespace volvenda
