#include "gif_writer.h"

#include "runtime/catalogue.h"
#include "runtime/runtime_error.h"

#include <QIODevice>

#include <algorithm>
#include <array>
#include <new>

namespace volvenda {

namespace {

// Where a frame's transparent pixels point: its palette's first entry.
constexpr GifPixelType Transparent = 0;
constexpr std::size_t LargestGifPalette = 256;

int writeToDevice(GifFileType *gif, const GifByteType *data, int length)
{
    auto *device = static_cast<QIODevice *>(gif->UserData);
    return int(device->write(reinterpret_cast<const char *>(data), length));
}

// A colour map of a power of two entries, as GIF wants, the colours first.
struct ColourMap
{
    explicit ColourMap(const std::vector<QRgb> &colours)
    {
        int size = 2;
        while (std::size_t(size) < colours.size())
            size *= 2;
        map = GifMakeMapObject(size, nullptr);
        if (!map)
            throw std::bad_alloc();
        for (std::size_t i = 0; i < colours.size(); ++i)
            map->Colors[i]
                = {GifByteType(qRed(colours[i])), GifByteType(qGreen(colours[i])), GifByteType(qBlue(colours[i]))};
    }
    ~ColourMap() { GifFreeMapObject(map); }
    ColourMap(const ColourMap &) = delete;
    ColourMap &operator=(const ColourMap &) = delete;
    ColourMap(ColourMap &&) = delete;
    ColourMap &operator=(ColourMap &&) = delete;

    ColorMapObject *map = nullptr;
};

// The frame's pixels as palette indices, and its palette. With whole, every
// pixel of area; else only those of a colour in drawn, the rest transparent.
struct IndexedFrame
{
    std::vector<GifPixelType> pixels;
    std::vector<QRgb> palette;
};

IndexedFrame indexed(const QImage &image, const QRect &area, bool whole, const std::vector<QRgb> &drawn)
{
    IndexedFrame frame;
    frame.pixels.resize(std::size_t(area.width()) * std::size_t(area.height()));
    if (!whole)
        frame.palette.push_back(qRgb(0, 0, 0)); // the transparent entry
    auto out = frame.pixels.begin();
    QRgb last = 0;
    GifPixelType lastIndex = Transparent;
    bool known = false;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y) | 0xFF000000U;
            if (!known || pixel != last) {
                last = pixel;
                known = true;
                lastIndex = Transparent;
                if (whole || std::find(drawn.begin(), drawn.end(), pixel) != drawn.end()) {
                    auto found = std::find(frame.palette.begin() + (whole ? 0 : 1), frame.palette.end(), pixel);
                    if (found == frame.palette.end()) {
                        if (frame.palette.size() == LargestGifPalette)
                            throw RuntimeError(ErrorKind::WorkRefused,
                                translate("Writing", "a frame of the GIF would hold more colours than it can"));
                        found = frame.palette.insert(frame.palette.end(), pixel);
                    }
                    lastIndex = GifPixelType(found - frame.palette.begin());
                }
            }
            *out++ = lastIndex;
        }
    }
    return frame;
}

} // namespace

GifWriter::GifWriter(QIODevice &device, const AnimationSettings &settings)
    : m_device(device)
    , m_loop(settings.loop)
{
}

GifWriter::~GifWriter()
{
    if (m_gif)
        EGifCloseFile(m_gif, nullptr);
}

bool GifWriter::begin(QSize size)
{
    int error = 0;
    m_gif = EGifOpen(&m_device, writeToDevice, &error);
    if (!m_gif)
        throw std::bad_alloc();
    EGifSetGifVersion(m_gif, true);
    if (EGifPutScreenDesc(m_gif, size.width(), size.height(), 8, 0, nullptr) == GIF_ERROR)
        return false;
    if (!m_loop)
        return true;
    // Played for ever: the application extension browsers know, a count of 0.
    static constexpr std::array<GifByteType, 11> application {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static constexpr std::array<GifByteType, 3> forEver {1, 0, 0};
    return EGifPutExtensionLeader(m_gif, APPLICATION_EXT_FUNC_CODE) != GIF_ERROR
        && EGifPutExtensionBlock(m_gif, int(application.size()), application.data()) != GIF_ERROR
        && EGifPutExtensionBlock(m_gif, int(forEver.size()), forEver.data()) != GIF_ERROR
        && EGifPutExtensionTrailer(m_gif) != GIF_ERROR;
}

bool GifWriter::addFrame(const QImage &image, const QRect &area, int centiseconds, const std::vector<QRgb> &drawn)
{
    if (m_failed)
        return false;
    const bool first = !m_gif;
    if (first && !begin(image.size()))
        return !(m_failed = true);
    // A frame where nothing changed still takes its time: one transparent pixel.
    QRect rect = first ? image.rect() : area & image.rect();
    if (rect.isEmpty())
        rect = QRect(0, 0, 1, 1);
    IndexedFrame frame = indexed(image, rect, first, first ? std::vector<QRgb>() : drawn);

    GraphicsControlBlock control {};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = centiseconds;
    control.TransparentColor = first ? NO_TRANSPARENT_COLOR : Transparent;
    std::array<GifByteType, 4> extension {};
    EGifGCBToExtension(&control, extension.data());
    const ColourMap colours(frame.palette);
    bool written = EGifPutExtension(m_gif, GRAPHICS_EXT_FUNC_CODE, int(extension.size()), extension.data()) != GIF_ERROR
        && EGifPutImageDesc(m_gif, rect.left(), rect.top(), rect.width(), rect.height(), false, colours.map)
            != GIF_ERROR;
    for (int y = 0; written && y < rect.height(); ++y)
        written = EGifPutLine(m_gif, frame.pixels.data() + std::size_t(y) * std::size_t(rect.width()), rect.width())
            != GIF_ERROR;
    m_failed = !written;
    return written;
}

bool GifWriter::finish(const QImage &)
{
    if (m_failed || !m_gif)
        return false;
    GifFileType *gif = std::exchange(m_gif, nullptr);
    return EGifCloseFile(gif, nullptr) != GIF_ERROR;
}

} // namespace volvenda
