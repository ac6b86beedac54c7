#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "host/wayland/wayland_handles.h"
#include "host/window/host_window.h"

namespace bumblorbs {

// One of the compositor's outputs: its scale and current mode as its last
// done event settled them.
struct WaylandOutput {
    std::uint32_t Name = 0;
    OutputHandle Handle;
    int Scale = 1;
    int PendingScale = 1;
    PixelSize Mode;
    PixelSize PendingMode;
};

// What the compositor offers, bound as its registry announces it: the
// compositor, shared memory, the shell, the first seat, viewports,
// fractional scales and the outputs, followed as they come and go.
class WaylandGlobals {
public:
    // Told when an output's done event settled a change of its scale or
    // mode, when an output goes, and when the seat is bound.
    struct Observers {
        std::function<void(const WaylandOutput& output, bool scaleChanged, bool modeChanged)>
            OutputDone;
        std::function<void(wl_output* output)> OutputGone;
        std::function<void(wl_seat* seat)> SeatBound;
    };

    explicit WaylandGlobals(Observers observers);
    WaylandGlobals(const WaylandGlobals&) = delete;
    WaylandGlobals& operator=(const WaylandGlobals&) = delete;

    wl_compositor* Compositor() const { return compositor_.get(); }
    wl_shm* Shm() const { return shm_.get(); }
    xdg_wm_base* WmBase() const { return wmBase_.get(); }
    wp_viewporter* Viewporter() const { return viewporter_.get(); }
    wp_fractional_scale_manager_v1* FractionalManager() const { return fractionalManager_.get(); }
    // Listens to `display`'s registry; the globals come with its round
    // trips. Throws HostFault where the compositor refuses it.
    void Listen(wl_display* display);
    const std::vector<std::unique_ptr<WaylandOutput>>& Outputs() const { return outputs_; }

private:
    struct Listeners;

    void Bind(wl_registry* registry, std::uint32_t name, std::string_view interface,
              std::uint32_t version);
    void Unbind(std::uint32_t name);
    WaylandOutput* Find(wl_output* handle);

    Observers observers_;
    RegistryHandle registry_;
    CompositorHandle compositor_;
    ShmHandle shm_;
    WmBaseHandle wmBase_;
    SeatHandle seat_;
    ViewporterHandle viewporter_;
    FractionalScaleManagerHandle fractionalManager_;
    std::vector<std::unique_ptr<WaylandOutput>> outputs_;
};

}  // namespace bumblorbs
