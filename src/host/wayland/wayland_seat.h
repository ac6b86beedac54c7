#pragma once

#include <cstdint>
#include <vector>

#include "host/wayland/surface_scale.h"
#include "host/wayland/wayland_cursor.h"
#include "host/wayland/wayland_handles.h"
#include "host/window/mouse_input.h"

namespace bumblorbs {

// A mouse button released over the window, with the shift keys held then,
// at a point in the buffer's pixels.
struct PointerRelease {
    MouseButton Button;
    ShiftKeys Keys;
    float X;
    float Y;
};

// The seat's pointer and keyboard: the pointer's releases, each with the
// modifiers the keyboard holds, and the cursor while the pointer is over the
// window. `geometry` is the window's, read at each release to turn the
// surface's logical point into the buffer's pixels.
class WaylandSeat {
public:
    WaylandSeat(const WaylandGlobals& globals, const SurfaceGeometry& geometry)
        : cursor_(globals), geometry_(geometry) {}
    WaylandSeat(const WaylandSeat&) = delete;
    WaylandSeat& operator=(const WaylandSeat&) = delete;

    // Follows the seat's devices from now on.
    void Listen(wl_seat* seat);
    // The releases since the last call.
    std::vector<PointerRelease> TakeReleases();

private:
    struct Listeners;

    void Capabilities(std::uint32_t capabilities);
    void Released(std::uint32_t button);

    wl_seat* seat_ = nullptr;
    PointerHandle pointer_;
    KeyboardHandle keyboard_;
    WaylandCursor cursor_;
    const SurfaceGeometry& geometry_;
    double pointerX_ = 0;
    double pointerY_ = 0;
    ShiftKeys shift_;
    std::vector<PointerRelease> releases_;
};

}  // namespace bumblorbs
