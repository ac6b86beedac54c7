#pragma once

#include <SDL.h>

#include <array>
#include <cstdint>
#include <vector>

#include "host/window/window_canvas.h"

struct wl_buffer;
struct wl_display;
struct wl_event_queue;
struct wl_shm;
struct wl_shm_pool;
struct wl_surface;

namespace bumblorbs {

// Whether the window is a Wayland one whose compositor connection has
// failed; SDL then reports only a quit, as if the user had asked for one.
bool WaylandConnectionLost(SDL_Window* window);

// Paints a native Wayland window into shared-memory buffers of its real
// pixel size and hands the compositor each frame with its damaged
// rectangles: no GPU and no full-screen copy a frame. Two buffers take
// turns; the one being drawn catches up with the other's last changes
// first. The canvas's events travel on a queue of its own, which SDL's
// event loop fills as it reads the connection.
class WaylandShmCanvas final : public WindowCanvas {
public:
    explicit WaylandShmCanvas(SDL_Window* window);
    ~WaylandShmCanvas() override;
    WaylandShmCanvas(const WaylandShmCanvas&) = delete;
    WaylandShmCanvas& operator=(const WaylandShmCanvas&) = delete;

    void Present(ScenePainter& painter, const Scene& scene, const Damage& damage) override;

private:
    struct Buffer {
        wl_buffer* Handle = nullptr;
        std::uint32_t* Pixels = nullptr;
        bool Busy = false;
    };

    void MakeBuffers(int width, int height);
    void DropBuffers();
    Buffer& FreeBuffer();

    SDL_Window* window_;
    wl_display* display_ = nullptr;
    wl_surface* surface_ = nullptr;
    wl_event_queue* queue_ = nullptr;
    wl_shm* shm_ = nullptr;
    wl_shm_pool* pool_ = nullptr;
    void* memory_ = nullptr;
    std::size_t bytes_ = 0;
    int width_ = 0;
    int height_ = 0;
    std::array<Buffer, 2> buffers_;
    int next_ = 0;
    // What the last frame changed, which the other buffer still lacks.
    std::vector<SDL_Rect> lastRects_;
};

}  // namespace bumblorbs
