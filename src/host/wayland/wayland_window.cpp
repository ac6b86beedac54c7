#include "host/wayland/wayland_window.h"

#include <linux/input-event-codes.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "behaviour/handle_mouse_up.h"
#include "host/core/host_fault.h"
#include "host/core/monotonic_clock.h"
#include "host/wayland/open_wayland_window.h"
#include "scene/designed_layout.h"

namespace bumblorbs {
namespace {

// The first round trips and the first configure get this long.
constexpr std::int64_t OpenLimitNs = 3'000'000'000;
// The desktop entry's name, which docks and task switchers match windows by.
constexpr const char* AppId = "bumblorbs";

std::int16_t ButtonBit(std::uint32_t button) {
    switch (button) {
        case BTN_LEFT: return LeftButton;
        case BTN_RIGHT: return RightButton;
        case BTN_MIDDLE: return MiddleButton;
        default: return 0;
    }
}

// xkbcommon's keymaps list the real modifiers first: Shift, Lock, Control,
// Mod1 (Alt), so their bits in the modifier masks are fixed.
std::int16_t ShiftBits(std::uint32_t mask) {
    return static_cast<std::int16_t>(((mask & 1U) != 0 ? 1 : 0) | ((mask & 4U) != 0 ? 2 : 0) |
                                     ((mask & 8U) != 0 ? 4 : 0));
}

int CursorSize() {
    const char* size = std::getenv("XCURSOR_SIZE");
    const int value = size != nullptr ? std::atoi(size) : 0;
    return value > 0 && value <= 256 ? value : 24;
}

}  // namespace

// The C callbacks the compositor's events arrive through; `data` is the window.
struct WaylandWindow::Listeners {
    static WaylandWindow& Window(void* data) { return *static_cast<WaylandWindow*>(data); }

    static void Global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                       std::uint32_t version) {
        Window(data).Bind(registry, name, interface, version);
    }
    static void GlobalRemove(void* data, wl_registry* /*registry*/, std::uint32_t name) {
        Window(data).Unbind(name);
    }
    static constexpr wl_registry_listener Registry{&Global, &GlobalRemove};

    static void Ping(void* /*data*/, xdg_wm_base* base, std::uint32_t serial) {
        xdg_wm_base_pong(base, serial);
    }
    static constexpr xdg_wm_base_listener WmBase{&Ping};

    static Output* Find(WaylandWindow& window, wl_output* handle) {
        for (const std::unique_ptr<Output>& output : window.outputs_) {
            if (output->Handle.get() == handle) {
                return output.get();
            }
        }
        return nullptr;
    }
    static void OutputGeometry(void* /*data*/, wl_output* /*output*/, std::int32_t /*x*/,
                               std::int32_t /*y*/, std::int32_t /*widthMm*/,
                               std::int32_t /*heightMm*/, std::int32_t /*subpixel*/,
                               const char* /*make*/, const char* /*model*/,
                               std::int32_t /*transform*/) {}
    static void OutputMode(void* data, wl_output* handle, std::uint32_t flags, std::int32_t width,
                           std::int32_t height, std::int32_t /*refresh*/) {
        Output* output = Find(Window(data), handle);
        if (output != nullptr && (flags & WL_OUTPUT_MODE_CURRENT) != 0) {
            output->Mode = {width, height};
        }
    }
    static void OutputDone(void* data, wl_output* handle) {
        Output* output = Find(Window(data), handle);
        if (output != nullptr && output->Scale != output->PendingScale) {
            output->Scale = output->PendingScale;
            Window(data).UpdateGeometry();
        }
    }
    static void OutputScale(void* data, wl_output* handle, std::int32_t factor) {
        Output* output = Find(Window(data), handle);
        if (output != nullptr) {
            output->PendingScale = std::max(1, factor);
        }
    }
    static void OutputName(void* /*data*/, wl_output* /*output*/, const char* /*name*/) {}
    static constexpr wl_output_listener OutputEvents{&OutputGeometry, &OutputMode, &OutputDone,
                                                     &OutputScale,    &OutputName, &OutputName};

    static void Enter(void* data, wl_surface* /*surface*/, wl_output* output) {
        WaylandWindow& window = Window(data);
        window.entered_.push_back(output);
        window.UpdateGeometry();
    }
    static void Leave(void* data, wl_surface* /*surface*/, wl_output* output) {
        WaylandWindow& window = Window(data);
        std::erase(window.entered_, output);
        window.UpdateGeometry();
    }
    static constexpr wl_surface_listener Surface{&Enter, &Leave};

    static void PreferredScale(void* data, wp_fractional_scale_v1* /*scale*/,
                               std::uint32_t scale120) {
        Window(data).fractional120_ = static_cast<int>(scale120);
        Window(data).UpdateGeometry();
    }
    static constexpr wp_fractional_scale_v1_listener FractionalScale{&PreferredScale};

    static void SurfaceConfigure(void* data, xdg_surface* surface, std::uint32_t serial) {
        WaylandWindow& window = Window(data);
        xdg_surface_ack_configure(surface, serial);
        if (window.pendingLogical_.Width > 0 && window.pendingLogical_.Height > 0) {
            window.logical_ = window.pendingLogical_;
        }
        window.configured_ = true;
        window.UpdateGeometry();
    }
    static constexpr xdg_surface_listener XdgSurface{&SurfaceConfigure};

    static void ToplevelConfigure(void* data, xdg_toplevel* /*toplevel*/, std::int32_t width,
                                  std::int32_t height, wl_array* /*states*/) {
        Window(data).pendingLogical_ = {width, height};
    }
    static void ToplevelClose(void* data, xdg_toplevel* /*toplevel*/) {
        Window(data).closeRequested_ = true;
    }
    static void ToplevelBounds(void* /*data*/, xdg_toplevel* /*toplevel*/, std::int32_t /*width*/,
                               std::int32_t /*height*/) {}
    static void ToplevelCapabilities(void* /*data*/, xdg_toplevel* /*toplevel*/,
                                     wl_array* /*capabilities*/) {}
    static constexpr xdg_toplevel_listener Toplevel{&ToplevelConfigure, &ToplevelClose,
                                                    &ToplevelBounds, &ToplevelCapabilities};

    static void SeatCapabilities(void* data, wl_seat* /*seat*/, std::uint32_t capabilities) {
        Window(data).SeatCapabilities(capabilities);
    }
    static void SeatName(void* /*data*/, wl_seat* /*seat*/, const char* /*name*/) {}
    static constexpr wl_seat_listener Seat{&SeatCapabilities, &SeatName};

    static void PointerEnter(void* data, wl_pointer* /*pointer*/, std::uint32_t serial,
                             wl_surface* /*surface*/, wl_fixed_t x, wl_fixed_t y) {
        WaylandWindow& window = Window(data);
        window.pointerX_ = wl_fixed_to_double(x);
        window.pointerY_ = wl_fixed_to_double(y);
        window.SetCursor(serial);
    }
    static void PointerLeave(void* /*data*/, wl_pointer* /*pointer*/, std::uint32_t /*serial*/,
                             wl_surface* /*surface*/) {}
    static void PointerMotion(void* data, wl_pointer* /*pointer*/, std::uint32_t /*time*/,
                              wl_fixed_t x, wl_fixed_t y) {
        Window(data).pointerX_ = wl_fixed_to_double(x);
        Window(data).pointerY_ = wl_fixed_to_double(y);
    }
    static void PointerButton(void* data, wl_pointer* /*pointer*/, std::uint32_t /*serial*/,
                              std::uint32_t /*time*/, std::uint32_t button, std::uint32_t state) {
        WaylandWindow& window = Window(data);
        const std::int16_t bit = ButtonBit(button);
        if (bit == 0 || state != WL_POINTER_BUTTON_STATE_RELEASED ||
            window.geometry_.Logical.Width <= 0 || window.geometry_.Logical.Height <= 0) {
            return;
        }
        // Surface coordinates are logical; the scene is drawn in the
        // buffer's pixels.
        const SurfaceGeometry& geometry = window.geometry_;
        const double scaleX = static_cast<double>(geometry.Buffer.Width) / geometry.Logical.Width;
        const double scaleY = static_cast<double>(geometry.Buffer.Height) / geometry.Logical.Height;
        window.releases_.push_back({bit, window.shift_,
                                    static_cast<float>(window.pointerX_ * scaleX),
                                    static_cast<float>(window.pointerY_ * scaleY)});
    }
    static void PointerAxis(void* /*data*/, wl_pointer* /*pointer*/, std::uint32_t /*time*/,
                            std::uint32_t /*axis*/, wl_fixed_t /*value*/) {}
    static void PointerFrame(void* /*data*/, wl_pointer* /*pointer*/) {}
    static void PointerAxisSource(void* /*data*/, wl_pointer* /*pointer*/,
                                  std::uint32_t /*source*/) {}
    static void PointerAxisStop(void* /*data*/, wl_pointer* /*pointer*/, std::uint32_t /*time*/,
                                std::uint32_t /*axis*/) {}
    static void PointerAxisSteps(void* /*data*/, wl_pointer* /*pointer*/, std::uint32_t /*axis*/,
                                 std::int32_t /*steps*/) {}
    static constexpr wl_pointer_listener Pointer{
        &PointerEnter, &PointerLeave,      &PointerMotion,   &PointerButton,    &PointerAxis,
        &PointerFrame, &PointerAxisSource, &PointerAxisStop, &PointerAxisSteps, &PointerAxisSteps};

    static void Keymap(void* /*data*/, wl_keyboard* /*keyboard*/, std::uint32_t /*format*/,
                       std::int32_t fd, std::uint32_t /*size*/) {
        close(fd);
    }
    static void KeyboardEnter(void* /*data*/, wl_keyboard* /*keyboard*/, std::uint32_t /*serial*/,
                              wl_surface* /*surface*/, wl_array* /*keys*/) {}
    static void KeyboardLeave(void* data, wl_keyboard* /*keyboard*/, std::uint32_t /*serial*/,
                              wl_surface* /*surface*/) {
        Window(data).shift_ = 0;
    }
    static void Key(void* /*data*/, wl_keyboard* /*keyboard*/, std::uint32_t /*serial*/,
                    std::uint32_t /*time*/, std::uint32_t /*key*/, std::uint32_t /*state*/) {}
    static void Modifiers(void* data, wl_keyboard* /*keyboard*/, std::uint32_t /*serial*/,
                          std::uint32_t depressed, std::uint32_t latched, std::uint32_t /*locked*/,
                          std::uint32_t /*group*/) {
        Window(data).shift_ = ShiftBits(depressed | latched);
    }
    static void RepeatInfo(void* /*data*/, wl_keyboard* /*keyboard*/, std::int32_t /*rate*/,
                           std::int32_t /*delay*/) {}
    static constexpr wl_keyboard_listener Keyboard{&Keymap, &KeyboardEnter, &KeyboardLeave,
                                                   &Key,    &Modifiers,     &RepeatInfo};
};

WaylandWindow::WaylandWindow(std::string_view socket) : connection_(socket) {
    try {
        Open(MonotonicNs() + OpenLimitNs);
    } catch (const std::exception& fault) {
        const std::string problem = connection_.Problem();
        throw NoDisplay("the Wayland compositor at " + connection_.SocketPath() + " " +
                        (problem.empty() ? fault.what() : "broke the connection: " + problem));
    }
}

WaylandWindow::~WaylandWindow() = default;

void WaylandWindow::Open(std::int64_t deadlineNs) {
    registry_.reset(wl_display_get_registry(connection_.Display()));
    if (!registry_) {
        throw HostFault("refused the registry");
    }
    wl_registry_add_listener(registry_.get(), &Listeners::Registry, this);
    connection_.RoundTrip(deadlineNs);
    if (!compositor_ || !shm_ || !wmBase_) {
        throw HostFault("offers no wl_compositor, wl_shm or xdg_wm_base");
    }
    // The outputs' scales and the seat's devices follow their binding.
    connection_.RoundTrip(deadlineNs);

    surface_.reset(wl_compositor_create_surface(compositor_.get()));
    if (!surface_) {
        throw HostFault("refused a surface");
    }
    wl_surface_add_listener(surface_.get(), &Listeners::Surface, this);
    if (viewporter_) {
        viewport_.reset(wp_viewporter_get_viewport(viewporter_.get(), surface_.get()));
    }
    if (fractionalManager_ && viewport_) {
        fractionalScale_.reset(wp_fractional_scale_manager_v1_get_fractional_scale(
            fractionalManager_.get(), surface_.get()));
        if (fractionalScale_) {
            wp_fractional_scale_v1_add_listener(fractionalScale_.get(), &Listeners::FractionalScale,
                                                this);
        }
    }
    xdgSurface_.reset(xdg_wm_base_get_xdg_surface(wmBase_.get(), surface_.get()));
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
    // No output named: the compositor puts it where the user works.
    xdg_toplevel_set_fullscreen(toplevel_.get(), nullptr);
    wl_surface_commit(surface_.get());
    while (!configured_) {
        if (MonotonicNs() >= deadlineNs) {
            throw HostFault("did not configure the window in time");
        }
        connection_.Pump(deadlineNs);
    }
    UpdateGeometry();
    canvas_ = std::make_unique<WaylandCanvas>(connection_, shm_.get(), surface_.get(),
                                              viewport_.get(), geometry_);
}

void WaylandWindow::Bind(wl_registry* registry, std::uint32_t name, std::string_view interface,
                         std::uint32_t version) {
    const auto bind = [&](const wl_interface& kind, std::uint32_t most) {
        return wl_registry_bind(registry, name, &kind, std::min(version, most));
    };
    if (interface == wl_compositor_interface.name) {
        compositor_.reset(static_cast<wl_compositor*>(bind(wl_compositor_interface, 4)));
    } else if (interface == wl_shm_interface.name) {
        shm_.reset(static_cast<wl_shm*>(bind(wl_shm_interface, 1)));
    } else if (interface == xdg_wm_base_interface.name) {
        wmBase_.reset(static_cast<xdg_wm_base*>(bind(xdg_wm_base_interface, 1)));
        if (wmBase_) {
            xdg_wm_base_add_listener(wmBase_.get(), &Listeners::WmBase, this);
        }
    } else if (interface == wl_seat_interface.name && !seat_) {
        seat_.reset(static_cast<wl_seat*>(bind(wl_seat_interface, 5)));
        if (seat_) {
            wl_seat_add_listener(seat_.get(), &Listeners::Seat, this);
        }
    } else if (interface == wl_output_interface.name) {
        auto output = std::make_unique<Output>();
        output->Name = name;
        output->Handle.reset(static_cast<wl_output*>(bind(wl_output_interface, 2)));
        if (output->Handle) {
            wl_output_add_listener(output->Handle.get(), &Listeners::OutputEvents, this);
            outputs_.push_back(std::move(output));
        }
    } else if (interface == wp_viewporter_interface.name) {
        viewporter_.reset(static_cast<wp_viewporter*>(bind(wp_viewporter_interface, 1)));
    } else if (interface == wp_fractional_scale_manager_v1_interface.name) {
        fractionalManager_.reset(static_cast<wp_fractional_scale_manager_v1*>(
            bind(wp_fractional_scale_manager_v1_interface, 1)));
    }
}

void WaylandWindow::Unbind(std::uint32_t name) {
    const auto gone = std::find_if(outputs_.begin(), outputs_.end(),
                                   [name](const auto& output) { return output->Name == name; });
    if (gone != outputs_.end()) {
        std::erase(entered_, (*gone)->Handle.get());
        outputs_.erase(gone);
        UpdateGeometry();
    }
}

void WaylandWindow::SeatCapabilities(std::uint32_t capabilities) {
    const bool pointer = (capabilities & WL_SEAT_CAPABILITY_POINTER) != 0;
    if (pointer && !pointer_) {
        pointer_.reset(wl_seat_get_pointer(seat_.get()));
        if (pointer_) {
            wl_pointer_add_listener(pointer_.get(), &Listeners::Pointer, this);
        }
    } else if (!pointer) {
        pointer_.reset();
    }
    const bool keyboard = (capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0;
    if (keyboard && !keyboard_) {
        keyboard_.reset(wl_seat_get_keyboard(seat_.get()));
        if (keyboard_) {
            wl_keyboard_add_listener(keyboard_.get(), &Listeners::Keyboard, this);
        }
    } else if (!keyboard) {
        keyboard_.reset();
        shift_ = 0;
    }
}

void WaylandWindow::UpdateGeometry() {
    if (!configured_) {
        return;
    }
    // Until the surface is on an output, every output's scale counts.
    std::vector<int> scales;
    for (const std::unique_ptr<Output>& output : outputs_) {
        if (entered_.empty() ||
            std::find(entered_.begin(), entered_.end(), output->Handle.get()) != entered_.end()) {
            scales.push_back(output->Scale);
        }
    }
    const int integerScale = IntegerScale(scales);
    PixelSize logical = logical_;
    if (logical.Width <= 0 || logical.Height <= 0) {
        // A compositor that leaves the size to the client: the first output's.
        logical = {640, 480};
        if (!outputs_.empty() && outputs_.front()->Mode.Width > 0) {
            const Output& output = *outputs_.front();
            logical = {output.Mode.Width / output.Scale, output.Mode.Height / output.Scale};
        }
    }
    const SurfaceGeometry geometry =
        GeometryFor(logical, fractional120_, viewport_ != nullptr, integerScale);
    if (!(geometry == geometry_)) {
        geometry_ = geometry;
        reshaped_ = true;
    }
}

void WaylandWindow::SetCursor(std::uint32_t serial) {
    const int scale = (geometry_.Scale120 + ScaleDenominator - 1) / ScaleDenominator;
    if (scale != cursorScale_) {
        cursorScale_ = scale;
        cursorTheme_.reset(wl_cursor_theme_load(nullptr, CursorSize() * scale, shm_.get()));
    }
    wl_cursor* cursor =
        cursorTheme_ ? wl_cursor_theme_get_cursor(cursorTheme_.get(), "left_ptr") : nullptr;
    if (cursor == nullptr || cursor->image_count == 0) {
        return;
    }
    wl_cursor_image* image = cursor->images[0];
    wl_buffer* buffer = wl_cursor_image_get_buffer(image);
    if (!cursorSurface_) {
        cursorSurface_.reset(wl_compositor_create_surface(compositor_.get()));
    }
    if (buffer == nullptr || !cursorSurface_) {
        return;
    }
    wl_surface_set_buffer_scale(cursorSurface_.get(), scale);
    wl_surface_attach(cursorSurface_.get(), buffer, 0, 0);
    wl_surface_damage_buffer(cursorSurface_.get(), 0, 0, static_cast<std::int32_t>(image->width),
                             static_cast<std::int32_t>(image->height));
    wl_surface_commit(cursorSurface_.get());
    wl_pointer_set_cursor(pointer_.get(), serial, cursorSurface_.get(),
                          static_cast<std::int32_t>(image->hotspot_x) / scale,
                          static_cast<std::int32_t>(image->hotspot_y) / scale);
}

void WaylandWindow::Show() { connection_.Flush(); }

void WaylandWindow::Wait(std::optional<std::int64_t> deadlineNs, WindowEvents& events) {
    // Without a deadline a signal could slip in just before the wait; a
    // second's wait at most notices it.
    const std::int64_t deadline = deadlineNs.value_or(MonotonicNs() + 1'000'000'000);
    do {
        connection_.Pump(deadline);
        Deliver(events);
    } while (deadlineNs && MonotonicNs() < deadline);
}

void WaylandWindow::Deliver(WindowEvents& events) {
    if (reshaped_) {
        reshaped_ = false;
        events.Reshaped();
    }
    for (const Release& release : releases_) {
        events.Released(release.Button, release.Shift, release.X, release.Y);
    }
    releases_.clear();
    if (closeRequested_) {
        closeRequested_ = false;
        events.CloseRequested();
    }
}

std::unique_ptr<HostWindow> OpenWaylandWindow(std::string_view socket) {
    return std::make_unique<WaylandWindow>(socket);
}

}  // namespace bumblorbs
