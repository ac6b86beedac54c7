#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "host/wayland/surface_scale.h"
#include "host/wayland/toplevel_surface.h"
#include "host/wayland/wayland_canvas.h"
#include "host/wayland/wayland_connection.h"
#include "host/wayland/wayland_globals.h"
#include "host/wayland/wayland_seat.h"
#include "host/window/host_window.h"

namespace bumblorbs {

// The window as a Wayland client of its own: a toplevel asked for full
// screen on the output the compositor chooses, drawn at the real pixels of
// the outputs it is on, with the pointer's releases and the cursor theme's
// arrow. The rules never wait for the compositor: each wait ends at the
// tick's deadline whatever it has sent.
class WaylandWindow final : public HostWindow {
public:
    // Connects to the compositor at `socket` (WAYLAND_DISPLAY's value) and
    // opens the window there, within a few seconds; throws NoDisplay naming
    // the socket and what went wrong.
    explicit WaylandWindow(std::string_view socket);
    ~WaylandWindow() override;
    WaylandWindow(const WaylandWindow&) = delete;
    WaylandWindow& operator=(const WaylandWindow&) = delete;

    void Show() override;
    PixelSize SizeInPixels() const override { return geometry_.Buffer; }
    float Dpi() const override { return DpiAt(geometry_); }
    void Wait(std::optional<std::int64_t> deadlineNs, WindowEvents& events) override;
    WindowCanvas& Canvas() override { return *canvas_; }
    // A message box would need the very compositor that may be gone: the
    // line on stderr is all.
    void ShowFatal(std::string_view /*message*/) override {}

private:
    void Open(std::int64_t deadlineNs);
    WaylandGlobals::Observers Observers();
    // Works out the buffer's size and scale again from the logical size and
    // the outputs the surface is on.
    void UpdateGeometry();
    void Deliver(WindowEvents& events);

    WaylandConnection connection_;
    WaylandGlobals globals_;
    SurfaceGeometry geometry_;
    WaylandSeat seat_;
    std::unique_ptr<ToplevelSurface> toplevel_;
    std::unique_ptr<WaylandCanvas> canvas_;
    // The size or scale changed since the program loop last heard.
    bool reshaped_ = false;
};

}  // namespace bumblorbs
