#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "host/wayland/buffer_ring.h"
#include "host/wayland/buffer_sink.h"
#include "host/wayland/surface_scale.h"
#include "host/wayland/wayland_connection.h"
#include "host/window/window_canvas.h"

namespace bumblorbs {

// Paints a Wayland surface in shared-memory buffers at its real pixels and
// hands the compositor only the rectangles that changed, at the pace the
// compositor shows them: until it has shown the last frame, the damage of
// later ticks waits for the next. The buffers take turns as a BufferRing
// says; where all are held the frame waits for the next tick with its
// damage kept.
class WaylandCanvas final : public WindowCanvas {
public:
    // `geometry` is the size and scale the surface is to have, read on
    // every frame; `viewport` may be null where the compositor offers none.
    WaylandCanvas(WaylandConnection& connection, wl_shm* shm, wl_surface* surface,
                  wp_viewport* viewport, const SurfaceGeometry& geometry);
    ~WaylandCanvas() override;
    WaylandCanvas(const WaylandCanvas&) = delete;
    WaylandCanvas& operator=(const WaylandCanvas&) = delete;

    void Present(SceneFrame& frame) override;
    // Draws the next frame without the word that the last one was shown: a
    // compositor may drop that word when the output it was for goes away,
    // and waiting for it would leave the window still for good.
    void StopAwaitingFrame() { frameCallback_.reset(); }

private:
    struct Buffer;
    using Ring = BufferRing<Buffer>;

    Ring::Slot* FreeSlot();
    void Commit(Ring::Slot& slot, const PaintRects& rects);
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
    Ring ring_;
    // What changed since the last frame the compositor got.
    Damage pending_;
    BufferSink sink_;
};

}  // namespace bumblorbs
