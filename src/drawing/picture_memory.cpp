#include "picture_memory.h"

#include <QFile>
#include <QThread>

#include <pthread.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

namespace volvenda {

namespace {

// Address space held and given back: mapped without access, so it takes no
// memory, only its place under a limit.
class AddressReservation
{
public:
    explicit AddressReservation(std::size_t bytes)
        : m_bytes(bytes)
        , m_address(::mmap(nullptr, bytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0))
    {
    }
    ~AddressReservation()
    {
        if (held())
            ::munmap(m_address, m_bytes);
    }
    AddressReservation(const AddressReservation &) = delete;
    AddressReservation &operator=(const AddressReservation &) = delete;
    AddressReservation(AddressReservation &&) = delete;
    AddressReservation &operator=(AddressReservation &&) = delete;

    [[nodiscard]] bool held() const { return m_address != MAP_FAILED; }

private:
    std::size_t m_bytes;
    void *m_address;
};

// The stack and guard of a thread started without attributes of its own, as
// the pools start theirs.
std::size_t defaultThreadStack()
{
    pthread_attr_t attributes;
    std::size_t stack = std::size_t(8) << 20U;
    std::size_t guard = 0;
    if (::pthread_getattr_default_np(&attributes) == 0) {
        ::pthread_attr_getstacksize(&attributes, &stack);
        ::pthread_attr_getguardsize(&attributes, &guard);
        ::pthread_attr_destroy(&attributes);
    }
    return stack + guard;
}

// An image whose pages the kernel provides at once. A large one asks for
// huge pages: a picture at scale 16 is 137 MB, and touching it a 4 KB page
// at a time costs more than drawing it.
QImage allocateImage(QSize size, QImage::Format format)
{
    const QImage probe(1, 1, format);
    const qsizetype bytesPerLine = ((qsizetype(size.width()) * probe.depth() + 31) / 32) * 4;
    const auto bytes = static_cast<std::size_t>(bytesPerLine * size.height());
    constexpr std::size_t small = std::size_t(64) << 10U;
    constexpr std::size_t large = std::size_t(8) << 20U;
    if (bytes < small || size.isEmpty())
        return QImage(size, format);
    void *memory = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        return QImage(size, format);
    if (bytes >= large)
        ::madvise(memory, bytes, MADV_HUGEPAGE);
    // Advice only: an older kernel refuses it, and the fill then faults as before.
    ::madvise(memory, bytes, MADV_POPULATE_WRITE);
    struct Mapping
    {
        void *memory;
        std::size_t bytes;
    };
    return QImage(
        static_cast<uchar *>(memory), size.width(), size.height(), bytesPerLine, format,
        [](void *info) {
            const auto *mapping = static_cast<Mapping *>(info);
            ::munmap(mapping->memory, mapping->bytes);
            delete mapping;
        },
        new Mapping {memory, bytes});
}

} // namespace

std::size_t paintHelperHeadroom()
{
    constexpr std::size_t margin = std::size_t(8) << 20U;
    return std::size_t(std::max(QThread::idealThreadCount(), 1)) * defaultThreadStack() + margin;
}

std::optional<std::size_t> addressSpaceLeft()
{
    rlimit limit {};
    if (::getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return std::nullopt;
    // The first field is the size of every mapping, in pages.
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return std::nullopt;
    const auto used = std::size_t(statm.readLine().split(' ').constFirst().toULongLong()) * ::getpagesize();
    return limit.rlim_cur > used ? std::size_t(limit.rlim_cur - used) : 0;
}

QImage allocatePicture(QSize size, QImage::Format format)
{
    const AddressReservation headroom(paintHelperHeadroom());
    if (!headroom.held())
        return {};
    return allocateImage(size, format);
}

} // namespace volvenda
