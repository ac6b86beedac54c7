#pragma once

#include <cstdint>

#include "host/wayland/wayland_globals.h"
#include "host/wayland/wayland_handles.h"

namespace bumblorbs {

// The cursor theme's arrow, shown while the pointer is over the window, at
// the scale the window is drawn at.
class WaylandCursor {
public:
    explicit WaylandCursor(const WaylandGlobals& globals) : globals_(globals) {}

    // Shows the arrow for the pointer that entered with `serial`, at a
    // scale in 120ths.
    void Show(wl_pointer* pointer, std::uint32_t serial, int scale120);

private:
    const WaylandGlobals& globals_;
    CursorThemeHandle theme_;
    // The integer scale the theme was loaded at.
    int scale_ = 0;
    WlSurfaceHandle surface_;
};

}  // namespace bumblorbs
