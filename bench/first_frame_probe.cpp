// Preloaded into a window program by the benchmark (LD_PRELOAD): notes when
// the program maps its window and when it hands the window system its first
// frame, on X11 and on Wayland alike, without the program's help. Each event
// is written once, as "<event> <CLOCK_MONOTONIC nanoseconds>", to the file
// descriptor named by VOLVENDA_PROBE_FD.

#include <dlfcn.h>
#include <time.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

void note(const char *event)
{
    const char *fd = std::getenv("VOLVENDA_PROBE_FD");
    if (fd == nullptr)
        return;
    timespec now {};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    char line[64];
    const int length = std::snprintf(
        line, sizeof line, "%s %lld\n", event, static_cast<long long>(now.tv_sec) * 1'000'000'000 + now.tv_nsec);
    if (::write(std::atoi(fd), line, static_cast<std::size_t>(length)) < 0)
        std::perror("first_frame_probe");
}

// The real function: in the libraries loaded with the program, or else in the
// one a plugin loaded for itself, which is out of RTLD_NEXT's sight.
template<typename Function>
Function next(const char *name, const char *library)
{
    void *found = ::dlsym(RTLD_NEXT, name);
    if (found == nullptr)
        if (void *loaded = ::dlopen(library, RTLD_LAZY | RTLD_NOLOAD))
            found = ::dlsym(loaded, name);
    if (found == nullptr) {
        std::fprintf(stderr, "first_frame_probe: %s not found\n", name);
        std::abort();
    }
    return reinterpret_cast<Function>(found);
}

bool mapped = false;
bool framed = false;

void noteMapped()
{
    if (!std::exchange(mapped, true))
        note("mapped");
}

void noteFrame()
{
    noteMapped();
    if (!std::exchange(framed, true))
        note("frame");
}

} // namespace

// The few declarations of libxcb and libwayland-client these need, by their
// stable C interfaces, so that no development package is needed for them.
struct XcbConnection;
struct XcbCookie
{
    unsigned sequence;
};
struct WlProxy;
struct WlArray;
struct WlMessage
{
    const char *name;
    const char *signature;
    const void *const *types;
};
struct WlInterface
{
    const char *name;
    int version;
    int methodCount;
    const WlMessage *methods;
};
union WlArgument {
    std::int32_t i;
    std::uint32_t u;
    std::int32_t f;
    const char *s;
    void *o;
    std::uint32_t n;
    WlArray *a;
    std::int32_t h;
};

// The libraries' own names, which the functions below stand in for.
// NOLINTBEGIN(readability-identifier-naming)
extern "C" {

XcbCookie xcb_map_window(XcbConnection *connection, std::uint32_t window)
{
    static const auto real = next<XcbCookie (*)(XcbConnection *, std::uint32_t)>("xcb_map_window", "libxcb.so.1");
    noteMapped();
    return real(connection, window);
}

// The X backing store's two ways of putting a frame on the screen.
XcbCookie xcb_shm_put_image(XcbConnection *c, std::uint32_t drawable, std::uint32_t gc, std::uint16_t totalWidth,
    std::uint16_t totalHeight, std::uint16_t srcX, std::uint16_t srcY, std::uint16_t srcWidth, std::uint16_t srcHeight,
    std::int16_t dstX, std::int16_t dstY, std::uint8_t depth, std::uint8_t format, std::uint8_t sendEvent,
    std::uint32_t shmseg, std::uint32_t offset)
{
    static const auto real = next<decltype(&xcb_shm_put_image)>("xcb_shm_put_image", "libxcb-shm.so.0");
    noteFrame();
    return real(c, drawable, gc, totalWidth, totalHeight, srcX, srcY, srcWidth, srcHeight, dstX, dstY, depth, format,
        sendEvent, shmseg, offset);
}

XcbCookie xcb_put_image(XcbConnection *c, std::uint8_t format, std::uint32_t drawable, std::uint32_t gc,
    std::uint16_t width, std::uint16_t height, std::int16_t dstX, std::int16_t dstY, std::uint8_t leftPad,
    std::uint8_t depth, std::uint32_t dataLength, const std::uint8_t *data)
{
    static const auto real = next<decltype(&xcb_put_image)>("xcb_put_image", "libxcb.so.1");
    noteFrame();
    return real(c, format, drawable, gc, width, height, dstX, dstY, leftPad, depth, dataLength, data);
}

const char *wl_proxy_get_class(WlProxy *proxy);
WlProxy *wl_proxy_marshal_array_flags(WlProxy *proxy, std::uint32_t opcode, const WlInterface *interface,
    std::uint32_t version, std::uint32_t flags, WlArgument *arguments);

// Every Wayland request passes here. A surface's first commit after a buffer
// was attached to it is its first frame.
WlProxy *wl_proxy_marshal_flags(
    WlProxy *proxy, std::uint32_t opcode, const WlInterface *interface, std::uint32_t version, std::uint32_t flags, ...)
{
    static const auto getClass = next<decltype(&wl_proxy_get_class)>("wl_proxy_get_class", "libwayland-client.so.0");
    static const auto real
        = next<decltype(&wl_proxy_marshal_array_flags)>("wl_proxy_marshal_array_flags", "libwayland-client.so.0");
    // The proxy's own interface lists the request's arguments.
    const auto *own = *reinterpret_cast<const WlInterface *const *>(proxy);
    const char *signature = own->methods[opcode].signature;
    WlArgument arguments[20] {};
    va_list list;
    va_start(list, flags);
    int count = 0;
    for (const char *c = signature; *c != '\0' && count < 20; ++c) {
        switch (*c) {
        case 'i':
        case 'h':
            arguments[count++].i = va_arg(list, std::int32_t);
            break;
        case 'u':
            arguments[count++].u = va_arg(list, std::uint32_t);
            break;
        case 'f':
            arguments[count++].f = va_arg(list, std::int32_t);
            break;
        case 's':
            arguments[count++].s = va_arg(list, const char *);
            break;
        case 'o':
        case 'n':
            arguments[count++].o = va_arg(list, void *);
            break;
        case 'a':
            arguments[count++].a = va_arg(list, WlArray *);
            break;
        default:
            break; // a version number or '?' for a nullable argument
        }
    }
    va_end(list);
    static bool attached = false;
    if (std::strcmp(getClass(proxy), "wl_surface") == 0) {
        if (opcode == 1 && arguments[0].o != nullptr)
            attached = true;
        else if (opcode == 6 && attached)
            noteFrame();
    }
    return real(proxy, opcode, interface, version, flags, arguments);
}

} // extern "C"
// NOLINTEND(readability-identifier-naming)
