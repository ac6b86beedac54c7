#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "host/wayland/fullscreen_keeper.h"
#include "host/wayland/wayland_globals.h"
#include "host/wayland/wayland_handles.h"
#include "host/window/host_window.h"

namespace bumblorbs {

// The window's surface as an xdg toplevel asked for full screen on the
// output the compositor chooses: its configures, the outputs it is on, the
// fractional scale the compositor prefers for it, and its viewport.
class ToplevelSurface {
public:
    // Makes the surface and its roles, titled and asked for full screen;
    // `changed` is told whenever its size, scale or outputs change.
    ToplevelSurface(const WaylandGlobals& globals, std::function<void()> changed);
    ToplevelSurface(const ToplevelSurface&) = delete;
    ToplevelSurface& operator=(const ToplevelSurface&) = delete;

    wl_surface* Surface() const { return surface_.get(); }
    // Null where the compositor offers no viewports.
    wp_viewport* Viewport() const { return viewport_.get(); }
    bool Configured() const { return configure_.Configured; }
    // The size the compositor gave; zero where it leaves it to the window.
    PixelSize Logical() const { return configure_.Logical; }
    std::optional<int> Fractional120() const { return fractional120_; }
    // Whether the surface is on the output, or on none yet.
    bool IsOn(const WaylandOutput& output) const;

    void OutputGone(wl_output* output);
    // An output changed its mode: the window on it asks for full screen
    // again, so that the compositor fits it to the new mode.
    void ModeChanged(const WaylandOutput& output);
    // Asks for full screen where a configure or a mode change made it due.
    void AskFullscreenIfDue();
    // Whether the compositor asked the window to close since the last call.
    bool TakeCloseRequest();

private:
    struct Listeners;
    // What configures said, and what they leave to do.
    struct ConfigureState {
        PixelSize PendingLogical;
        bool PendingFullscreen = false;
        PixelSize Logical;
        bool Configured = false;
        bool FullscreenDue = false;
        // Whether the due request is for a new mode of the output.
        bool RefitDue = false;
    };

    void Configure(xdg_surface* surface, std::uint32_t serial);
    void AskFullscreen();

    std::function<void()> changed_;
    WlSurfaceHandle surface_;
    ViewportHandle viewport_;
    FractionalScaleHandle fractionalScale_;
    XdgSurfaceHandle xdgSurface_;
    ToplevelHandle toplevel_;
    std::vector<wl_output*> entered_;
    ConfigureState configure_;
    FullscreenKeeper fullscreen_;
    std::optional<int> fractional120_;
    bool closeRequested_ = false;
};

}  // namespace bumblorbs
