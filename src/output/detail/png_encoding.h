#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>

#include <zlib.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QIODevice;

namespace volvenda::png {

// What the still and the animated PNG writers share: chunks, the image
// header, rows packed as the colour type wants them, and their deflating.

enum ColourType : std::uint8_t { Rgb = 2, Palette = 3, Rgba = 6 };

inline constexpr std::size_t LargestPalette = 256;

void putBigEndian(QByteArray &out, std::uint32_t value);

bool writeSignature(QIODevice &device);
// A chunk's bytes: length, type, data and the checksum of type and data.
[[nodiscard]] QByteArray chunk(const char (&type)[5], const QByteArray &data);
bool writeChunk(QIODevice &device, const char (&type)[5], const QByteArray &data);

// How a picture's pixels become PNG bytes: palette indices at depth bits,
// or 3 (RGB) or 4 (RGBA) bytes a pixel.
struct Layout
{
    std::optional<std::vector<QRgb>> palette;
    int depth = 8;
    bool alpha = false;

    [[nodiscard]] ColourType colourType() const { return palette ? Palette : alpha ? Rgba : Rgb; }
};

// The layout for these colours: a palette at the smallest depth that holds
// them, or 8-bit RGB (RGBA with transparency) for more than a palette holds.
[[nodiscard]] Layout layoutFor(const std::optional<std::vector<QRgb>> &colours, bool alphaChannel);

// The distinct colours of the image in the order met, or nullopt when there
// are more than a palette holds.
[[nodiscard]] std::optional<std::vector<QRgb>> paletteOf(const QImage &image);

[[nodiscard]] QByteArray header(QSize size, const Layout &layout);
// The signature, the header, then what more writes (chunks that go before
// the palette), the palette (PLTE, with tRNS when a colour is transparent)
// and the image's resolution.
bool writeHead(QIODevice &device, const QImage &image, const Layout &layout, const std::function<bool()> &more = {});
// The image's pixels, as IDAT chunks.
bool writeImageData(
    QIODevice &device, const QImage &image, const Layout &layout, const std::function<void(double)> &progress = {});

// Deflates the image data of one picture after another and hands on the
// compressed bytes in pieces of at most 64 KiB, each to be stored as a chunk.
// At zlib's level, Z_DEFAULT_COMPRESSION unless told.
class Deflater
{
public:
    explicit Deflater(std::function<bool(const QByteArray &)> emitPiece, int level = Z_DEFAULT_COMPRESSION);
    ~Deflater();
    Deflater(const Deflater &) = delete;
    Deflater &operator=(const Deflater &) = delete;
    Deflater(Deflater &&) = delete;
    Deflater &operator=(Deflater &&) = delete;

    // Each row of area of image, filtered with filter 0 (none): line art
    // gains nothing from the others. progress, when given, hears now and then
    // how much is done, 0 to 1. False when a piece could not be stored.
    bool deflateImage(
        const QImage &image, const QRect &area, const Layout &layout, const std::function<void(double)> &progress = {});

private:
    bool deflateSome(const std::uint8_t *data, std::size_t size, int flush);

    std::function<bool(const QByteArray &)> m_emit;
    z_stream m_zlib {};
    QByteArray m_compressed;
    std::size_t m_filled = 0;
};

} // namespace volvenda::png
