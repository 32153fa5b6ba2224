#include "gif_writer.h"

#include "row_reader.h"

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

// Which pixels of a frame show, and in what colours: with whole, every
// pixel of the area; else only those of a colour in drawn, the rest
// transparent. Read a row at a time, twice: once for the palette, once for
// the indices, so that no copy of a whole frame is made.
class FrameColours
{
public:
    FrameColours(const QImage &image, const QRect &area, bool whole, const std::vector<QRgb> &drawn)
        : m_reader(image)
        , m_area(area)
        , m_whole(whole)
        , m_drawn(drawn)
        , m_indices(std::size_t(area.width()))
    {
        if (!whole)
            m_palette.push_back(qRgb(0, 0, 0)); // the transparent entry
        for (int y = area.top(); y <= area.bottom(); ++y)
            indexRow(y, true);
    }

    [[nodiscard]] const std::vector<QRgb> &palette() const { return m_palette; }

    // Row y of the area as palette indices.
    GifPixelType *row(int y)
    {
        indexRow(y, false);
        return m_indices.data();
    }

private:
    void indexRow(int y, bool gathering)
    {
        const QRgb *pixels = m_reader.row(y, m_area.left(), m_area.width());
        QRgb last = 0;
        GifPixelType index = Transparent;
        for (int x = 0; x < m_area.width(); ++x) {
            const QRgb pixel = pixels[x] | 0xFF000000U;
            // Line art is long runs of one colour: compare with the last first.
            if (x == 0 || pixel != last) {
                last = pixel;
                index = indexOf(pixel, gathering);
            }
            m_indices[std::size_t(x)] = index;
        }
    }

    GifPixelType indexOf(QRgb pixel, bool gathering)
    {
        if (!m_whole && std::find(m_drawn.begin(), m_drawn.end(), pixel) == m_drawn.end())
            return Transparent;
        const auto first = m_palette.begin() + (m_whole ? 0 : 1);
        auto found = std::find(first, m_palette.end(), pixel);
        if (found == m_palette.end() && gathering) {
            if (m_palette.size() == LargestGifPalette)
                throw RuntimeError(ErrorKind::WorkRefused,
                    translate("Writing", "a frame of the GIF would hold more colours than it can"));
            found = m_palette.insert(m_palette.end(), pixel);
        }
        return GifPixelType(found - m_palette.begin());
    }

    RowReader m_reader;
    QRect m_area;
    bool m_whole;
    const std::vector<QRgb> &m_drawn;
    std::vector<QRgb> m_palette;
    std::vector<GifPixelType> m_indices;
};

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
    FrameColours frame(image, rect, first, drawn);

    GraphicsControlBlock control {};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = centiseconds;
    control.TransparentColor = first ? NO_TRANSPARENT_COLOR : Transparent;
    std::array<GifByteType, 4> extension {};
    EGifGCBToExtension(&control, extension.data());
    const ColourMap colours(frame.palette());
    bool written = EGifPutExtension(m_gif, GRAPHICS_EXT_FUNC_CODE, int(extension.size()), extension.data()) != GIF_ERROR
        && EGifPutImageDesc(m_gif, rect.left(), rect.top(), rect.width(), rect.height(), false, colours.map)
            != GIF_ERROR;
    for (int y = rect.top(); written && y <= rect.bottom(); ++y)
        written = EGifPutLine(m_gif, frame.row(y), rect.width()) != GIF_ERROR;
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
