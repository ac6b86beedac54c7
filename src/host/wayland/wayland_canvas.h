#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "host/wayland/buffer_sink.h"
#include "host/wayland/surface_scale.h"
#include "host/wayland/wayland_connection.h"
#include "host/window/window_canvas.h"

namespace bumblorbs {

// Paints a Wayland surface in shared-memory buffers at its real pixels and
// hands the compositor only the rectangles that changed, at the pace the
// compositor shows them: until it has shown the last frame, the damage of
// later ticks waits for the next. A buffer the compositor still reads is
// left alone until it releases it; where none is free a further one is
// made, up to three, and past that the frame waits for the next tick with
// its damage kept. A buffer drawn again also paints anew what the frames it
// missed changed.
class WaylandCanvas final : public WindowCanvas {
public:
    // `geometry` is the size and scale the surface is to have, read on
    // every frame; `viewport` may be null where the compositor offers none.
    WaylandCanvas(WaylandConnection& connection, wl_shm* shm, wl_surface* surface,
                  wp_viewport* viewport, const SurfaceGeometry& geometry);
    ~WaylandCanvas() override;
    WaylandCanvas(const WaylandCanvas&) = delete;
    WaylandCanvas& operator=(const WaylandCanvas&) = delete;

    void Present(ScenePainter& painter, const Scene& scene, const Damage& damage) override;

private:
    struct Buffer;

    Buffer* FreeBuffer();
    void Commit(Buffer& buffer, const PaintRects& rects);
    static void FrameDone(void* data, wl_callback* callback, std::uint32_t time);
    static const wl_callback_listener FrameListener;

    WaylandConnection& connection_;
    wl_shm* shm_;
    wl_surface* surface_;
    wp_viewport* viewport_;
    const SurfaceGeometry& wanted_;
    // The geometry the buffers have, and whether the surface has yet to be
    // told it.
    SurfaceGeometry drawn_;
    bool geometryUnsent_ = true;
    // The compositor's word that it has shown the last frame, while awaited.
    CallbackHandle frameCallback_;
    std::vector<std::unique_ptr<Buffer>> buffers_;
    Buffer* latest_ = nullptr;
    // Frames drawn so far.
    std::uint64_t frame_ = 0;
    // What changed since the last frame the compositor got.
    Damage pending_;
    BufferSink sink_;
};

}  // namespace bumblorbs
