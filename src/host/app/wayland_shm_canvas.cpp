#include "host/app/wayland_shm_canvas.h"

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string_view>

#include "host/app/display_scale.h"
#include "host/app/window_system.h"
#include "host/paint/surface_ops.h"
#include "host/sdl/host_fault.h"
#include "host/sdl/sdl_handles.h"

namespace bumblorbs {
namespace {

void OnGlobal(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
              std::uint32_t /*version*/) {
    if (std::string_view(interface) == wl_shm_interface.name) {
        *static_cast<wl_shm**>(data) =
            static_cast<wl_shm*>(wl_registry_bind(registry, name, &wl_shm_interface, 1));
    }
}

void OnGlobalRemoved(void* /*data*/, wl_registry* /*registry*/, std::uint32_t /*name*/) {}

constexpr wl_registry_listener RegistryListener{&OnGlobal, &OnGlobalRemoved};

void OnRelease(void* data, wl_buffer* /*buffer*/) { *static_cast<bool*>(data) = false; }

constexpr wl_buffer_listener BufferListener{&OnRelease};

}  // namespace

bool WaylandConnectionLost(SDL_Window* window) {
    const auto info = WindowSystemInfo(window, SDL_SYSWM_WAYLAND);
    return info && wl_display_get_error(info->info.wl.display) != 0;
}

WaylandShmCanvas::WaylandShmCanvas(SDL_Window* window) : window_(window) {
    const auto info = WindowSystemInfo(window_, SDL_SYSWM_WAYLAND);
    if (!info) {
        throw HostFault("the window is not a Wayland window");
    }
    display_ = info->info.wl.display;
    surface_ = info->info.wl.surface;
    queue_ = wl_display_create_queue(display_);
    // The registry is asked through a wrapper on the canvas's queue, so its
    // answers never reach SDL's.
    auto* wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(display_));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), queue_);
    wl_registry* registry = wl_display_get_registry(wrapper);
    wl_proxy_wrapper_destroy(wrapper);
    wl_registry_add_listener(registry, &RegistryListener, &shm_);
    wl_display_roundtrip_queue(display_, queue_);
    wl_registry_destroy(registry);
    if (shm_ == nullptr) {
        wl_event_queue_destroy(queue_);
        throw HostFault("the Wayland compositor offers no shared memory (wl_shm)");
    }
}

WaylandShmCanvas::~WaylandShmCanvas() {
    DropBuffers();
    wl_shm_destroy(shm_);
    wl_display_flush(display_);
    wl_event_queue_destroy(queue_);
}

void WaylandShmCanvas::MakeBuffers(int width, int height) {
    DropBuffers();
    const auto stride = static_cast<std::size_t>(width) * 4;
    const std::size_t one = stride * static_cast<std::size_t>(height);
    bytes_ = 2 * one;
    const int fd = memfd_create("bumblorbs", MFD_CLOEXEC);
    if (fd < 0 || ftruncate(fd, static_cast<off_t>(bytes_)) != 0) {
        if (fd >= 0) {
            close(fd);
        }
        throw HostFault("no shared memory for a " + std::to_string(width) + "x" +
                        std::to_string(height) + " window");
    }
    memory_ = mmap(nullptr, bytes_, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (memory_ == MAP_FAILED) {
        close(fd);
        memory_ = nullptr;
        throw HostFault("cannot map the window's shared memory");
    }
    pool_ = wl_shm_create_pool(shm_, fd, static_cast<std::int32_t>(bytes_));
    close(fd);
    for (std::size_t i = 0; i < buffers_.size(); ++i) {
        Buffer& buffer = buffers_[i];
        buffer.Handle =
            wl_shm_pool_create_buffer(pool_, static_cast<std::int32_t>(i * one), width, height,
                                      static_cast<std::int32_t>(stride), WL_SHM_FORMAT_XRGB8888);
        buffer.Pixels = static_cast<std::uint32_t*>(memory_) + i * one / 4;
        buffer.Busy = false;
        wl_buffer_add_listener(buffer.Handle, &BufferListener, &buffer.Busy);
    }
    width_ = width;
    height_ = height;
    next_ = 0;
    lastRects_.clear();
}

void WaylandShmCanvas::DropBuffers() {
    for (Buffer& buffer : buffers_) {
        if (buffer.Handle != nullptr) {
            wl_buffer_destroy(buffer.Handle);
        }
        buffer = Buffer{};
    }
    if (pool_ != nullptr) {
        wl_shm_pool_destroy(pool_);
        pool_ = nullptr;
    }
    if (memory_ != nullptr) {
        munmap(memory_, bytes_);
        memory_ = nullptr;
    }
}

WaylandShmCanvas::Buffer& WaylandShmCanvas::FreeBuffer() {
    Buffer& buffer = buffers_[static_cast<std::size_t>(next_)];
    wl_display_dispatch_queue_pending(display_, queue_);
    while (buffer.Busy) {
        // The compositor still reads it: wait for its release.
        if (wl_display_roundtrip_queue(display_, queue_) < 0) {
            throw HostFault("lost the connection to the Wayland compositor");
        }
    }
    return buffer;
}

void WaylandShmCanvas::Present(ScenePainter& painter, const Scene& scene, const Damage& damage) {
    int width = 0;
    int height = 0;
    SDL_GetWindowSizeInPixels(window_, &width, &height);
    Damage wanted = damage;
    if (width != width_ || height != height_) {
        MakeBuffers(width, height);
        wanted.Everything = true;
    }
    Buffer& buffer = FreeBuffer();
    Buffer& other = buffers_[static_cast<std::size_t>(1 - next_)];
    const auto pitch = static_cast<std::size_t>(width_);
    for (const SDL_Rect& rect : lastRects_) {
        for (int y = rect.y; y < rect.y + rect.h; ++y) {
            const std::size_t at =
                static_cast<std::size_t>(y) * pitch + static_cast<std::size_t>(rect.x);
            std::memcpy(buffer.Pixels + at, other.Pixels + at,
                        static_cast<std::size_t>(rect.w) * sizeof(std::uint32_t));
        }
    }
    const SurfaceHandle target(SDL_CreateRGBSurfaceWithFormatFrom(
        buffer.Pixels, width_, height_, 32, width_ * 4, SDL_PIXELFORMAT_XRGB8888));
    if (!target) {
        ThrowSdlFault("a surface over the window's buffer");
    }
    lastRects_ = painter.Paint(target.get(), scene, wanted);
    wl_surface_set_buffer_scale(
        surface_, std::max(1, static_cast<int>(std::lround(PixelsPerPoint(window_)))));
    wl_surface_attach(surface_, buffer.Handle, 0, 0);
    for (const SDL_Rect& rect : lastRects_) {
        wl_surface_damage_buffer(surface_, rect.x, rect.y, rect.w, rect.h);
    }
    wl_surface_commit(surface_);
    buffer.Busy = true;
    wl_display_flush(display_);
    next_ = 1 - next_;
}

}  // namespace bumblorbs
