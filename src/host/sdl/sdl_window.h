#pragma once

#include <SDL.h>

#include <memory>

#include "host/sdl_core/sdl_handles.h"
#include "host/window/host_window.h"
#include "host/x11/x11_colormap.h"
#include "host/x11/x11_input_watch.h"
#include "host/x11/x11_output.h"

namespace bumblorbs {

// The window through SDL's video driver (X11, or the one SDL_VIDEODRIVER
// names): full screen on the output under the pointer, its events read from
// SDL's queue. SDL's video must be started for as long as it lives.
class SdlWindow final : public HostWindow {
public:
    SdlWindow();

    void Show() override;
    PixelSize SizeInPixels() const override;
    float Dpi() const override;
    void Wait(std::optional<std::int64_t> deadlineNs, WindowEvents& events) override;
    WindowCanvas& Canvas() override { return *canvas_; }
    void ShowFatal(std::string_view message) override;

private:
    void Handle(const SDL_Event& event, WindowEvents& events);
    void HandleWindowEvent(const SDL_WindowEvent& event, WindowEvents& events);
    void HandleRelease(const SDL_MouseButtonEvent& event, WindowEvents& events) const;

    WindowHandle window_;
    // Mouse positions come in points; the scene is drawn in real pixels.
    float pixelsPerPoint_;
    std::unique_ptr<WindowCanvas> canvas_;
    X11OutputFollower outputFollower_{window_.get()};
    X11ColormapKeeper colormapKeeper_{window_.get()};
    X11InputWatch inputWatch_{window_.get()};
};

}  // namespace bumblorbs
