#include "host/wayland/toplevel_surface.h"

#include <algorithm>
#include <string>
#include <utility>

#include "host/core/host_fault.h"
#include "scene/designed_layout.h"

namespace bumblorbs {
namespace {

// The desktop entry's name, which docks and task switchers match windows by.
constexpr const char* AppId = "bumblorbs";

// Whether the toplevel states of a configure hold `wanted`.
bool HasState(const wl_array* states, std::uint32_t wanted) {
    if (states == nullptr || states->data == nullptr) {
        return false;
    }
    const auto* first = static_cast<const std::uint32_t*>(states->data);
    const std::uint32_t* last = first + states->size / sizeof(std::uint32_t);
    return std::find(first, last, wanted) != last;
}

}  // namespace

// The C callbacks the surface's events arrive through.
struct ToplevelSurface::Listeners {
    static ToplevelSurface& Self(void* data) { return *static_cast<ToplevelSurface*>(data); }

    static void Enter(void* data, wl_surface* /*surface*/, wl_output* output) {
        Self(data).entered_.push_back(output);
        Self(data).changed_();
    }
    static void Leave(void* data, wl_surface* /*surface*/, wl_output* output) {
        std::erase(Self(data).entered_, output);
        Self(data).changed_();
    }
    static constexpr wl_surface_listener Surface{&Enter, &Leave};

    static void PreferredScale(void* data, wp_fractional_scale_v1* /*scale*/,
                               std::uint32_t scale120) {
        Self(data).fractional120_ = static_cast<int>(scale120);
        Self(data).changed_();
    }
    static constexpr wp_fractional_scale_v1_listener FractionalScale{&PreferredScale};

    static void SurfaceConfigure(void* data, xdg_surface* surface, std::uint32_t serial) {
        Self(data).Configure(surface, serial);
    }
    static constexpr xdg_surface_listener XdgSurface{&SurfaceConfigure};

    static void ToplevelConfigure(void* data, xdg_toplevel* /*toplevel*/, std::int32_t width,
                                  std::int32_t height, wl_array* states) {
        Self(data).configure_.PendingLogical = {width, height};
        Self(data).configure_.PendingFullscreen = HasState(states, XDG_TOPLEVEL_STATE_FULLSCREEN);
    }
    static void Close(void* data, xdg_toplevel* /*toplevel*/) { Self(data).closeRequested_ = true; }
    static void Bounds(void* /*data*/, xdg_toplevel* /*toplevel*/, std::int32_t /*width*/,
                       std::int32_t /*height*/) {}
    static void Capabilities(void* /*data*/, xdg_toplevel* /*toplevel*/,
                             wl_array* /*capabilities*/) {}
    static constexpr xdg_toplevel_listener Toplevel{&ToplevelConfigure, &Close, &Bounds,
                                                    &Capabilities};
};

ToplevelSurface::ToplevelSurface(const WaylandGlobals& globals, std::function<void()> changed)
    : changed_(std::move(changed)), surface_(wl_compositor_create_surface(globals.Compositor())) {
    if (!surface_) {
        throw HostFault("refused a surface");
    }
    wl_surface_add_listener(surface_.get(), &Listeners::Surface, this);
    if (globals.Viewporter() != nullptr) {
        viewport_.reset(wp_viewporter_get_viewport(globals.Viewporter(), surface_.get()));
    }
    if (globals.FractionalManager() != nullptr && viewport_) {
        fractionalScale_.reset(wp_fractional_scale_manager_v1_get_fractional_scale(
            globals.FractionalManager(), surface_.get()));
        if (fractionalScale_) {
            wp_fractional_scale_v1_add_listener(fractionalScale_.get(), &Listeners::FractionalScale,
                                                this);
        }
    }
    xdgSurface_.reset(xdg_wm_base_get_xdg_surface(globals.WmBase(), surface_.get()));
    if (!xdgSurface_) {
        throw HostFault("refused an xdg_surface");
    }
    xdg_surface_add_listener(xdgSurface_.get(), &Listeners::XdgSurface, this);
    toplevel_.reset(xdg_surface_get_toplevel(xdgSurface_.get()));
    if (!toplevel_) {
        throw HostFault("refused an xdg_toplevel");
    }
    xdg_toplevel_add_listener(toplevel_.get(), &Listeners::Toplevel, this);
    xdg_toplevel_set_title(toplevel_.get(), std::string(DesignedLayout.Caption).c_str());
    xdg_toplevel_set_app_id(toplevel_.get(), AppId);
    AskFullscreen();
    wl_surface_commit(surface_.get());
}

bool ToplevelSurface::IsOn(const WaylandOutput& output) const {
    return entered_.empty() ||
           std::find(entered_.begin(), entered_.end(), output.Handle.get()) != entered_.end();
}

void ToplevelSurface::OutputGone(wl_output* output) {
    std::erase(entered_, output);
    changed_();
}

void ToplevelSurface::ModeChanged(const WaylandOutput& output) {
    if (IsOn(output) && fullscreen_.AskAfterModeChange()) {
        configure_.FullscreenDue = true;
        configure_.RefitDue = true;
    }
}

void ToplevelSurface::AskFullscreenIfDue() {
    // Asked only now, after the frame that took up the configure: a
    // compositor weighs the request against the state last committed with
    // a frame, and asked before it the request can look like no change.
    if (!std::exchange(configure_.FullscreenDue, false)) {
        return;
    }
    // A window already full screen that asks again may be given its old
    // size: leaving the state in the same breath makes the compositor fit
    // it to the output anew, with one configure for both.
    if (std::exchange(configure_.RefitDue, false)) {
        xdg_toplevel_unset_fullscreen(toplevel_.get());
    }
    AskFullscreen();
}

bool ToplevelSurface::TakeCloseRequest() { return std::exchange(closeRequested_, false); }

void ToplevelSurface::Configure(xdg_surface* surface, std::uint32_t serial) {
    xdg_surface_ack_configure(surface, serial);
    ConfigureState& state = configure_;
    if (state.PendingLogical.Width > 0 && state.PendingLogical.Height > 0) {
        state.Logical = state.PendingLogical;
    }
    if (fullscreen_.AskAfterConfigure(state.PendingFullscreen)) {
        state.FullscreenDue = true;
    }
    state.Configured = true;
    changed_();
}

void ToplevelSurface::AskFullscreen() {
    // No output named: the compositor puts it where the user works.
    xdg_toplevel_set_fullscreen(toplevel_.get(), nullptr);
}

}  // namespace bumblorbs
