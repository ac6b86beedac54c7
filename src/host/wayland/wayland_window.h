#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "host/wayland/fullscreen_keeper.h"
#include "host/wayland/surface_scale.h"
#include "host/wayland/wayland_canvas.h"
#include "host/wayland/wayland_connection.h"
#include "host/wayland/wayland_handles.h"
#include "host/window/host_window.h"

namespace bumblorbs {

// The window as a Wayland client of its own: an xdg_toplevel asked for full
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
    struct Listeners;
    struct Output {
        std::uint32_t Name = 0;
        OutputHandle Handle;
        int Scale = 1;
        int PendingScale = 1;
        PixelSize Mode;
        PixelSize PendingMode;
    };
    struct Release {
        std::int16_t Button;
        std::int16_t Shift;
        float X;
        float Y;
    };

    void Open(std::int64_t deadlineNs);
    void Bind(wl_registry* registry, std::uint32_t name, std::string_view interface,
              std::uint32_t version);
    void Unbind(std::uint32_t name);
    void AskFullscreen();
    // Whether the surface is on the output, or on none yet.
    bool IsOn(const Output& output) const;
    void SeatCapabilities(std::uint32_t capabilities);
    // Works out the buffer's size and scale again from the logical size and
    // the outputs the surface is on.
    void UpdateGeometry();
    void SetCursor(std::uint32_t serial);
    void Deliver(WindowEvents& events);

    WaylandConnection connection_;
    RegistryHandle registry_;
    CompositorHandle compositor_;
    ShmHandle shm_;
    WmBaseHandle wmBase_;
    SeatHandle seat_;
    PointerHandle pointer_;
    KeyboardHandle keyboard_;
    ViewporterHandle viewporter_;
    FractionalScaleManagerHandle fractionalManager_;
    std::vector<std::unique_ptr<Output>> outputs_;
    std::vector<wl_output*> entered_;

    WlSurfaceHandle surface_;
    ViewportHandle viewport_;
    FractionalScaleHandle fractionalScale_;
    XdgSurfaceHandle xdgSurface_;
    ToplevelHandle toplevel_;
    CursorThemeHandle cursorTheme_;
    int cursorScale_ = 0;
    WlSurfaceHandle cursorSurface_;

    PixelSize pendingLogical_;
    PixelSize logical_;
    bool pendingFullscreen_ = false;
    FullscreenKeeper fullscreen_;
    bool fullscreenDue_ = false;
    bool configured_ = false;
    std::optional<int> fractional120_;
    SurfaceGeometry geometry_;
    std::unique_ptr<WaylandCanvas> canvas_;

    // What happened since the program loop last heard.
    bool closeRequested_ = false;
    bool reshaped_ = false;
    std::vector<Release> releases_;
    double pointerX_ = 0;
    double pointerY_ = 0;
    std::int16_t shift_ = 0;
};

}  // namespace bumblorbs
