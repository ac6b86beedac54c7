#include "host/wayland/wayland_globals.h"

#include <algorithm>
#include <utility>

#include "host/core/host_fault.h"

namespace bumblorbs {

// The C callbacks the registry's and outputs' events arrive through.
struct WaylandGlobals::Listeners {
    static WaylandGlobals& Globals(void* data) { return *static_cast<WaylandGlobals*>(data); }

    static void Global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                       std::uint32_t version) {
        Globals(data).Bind(registry, name, interface, version);
    }
    static void GlobalRemove(void* data, wl_registry* /*registry*/, std::uint32_t name) {
        Globals(data).Unbind(name);
    }
    static constexpr wl_registry_listener Registry{&Global, &GlobalRemove};

    static void Ping(void* /*data*/, xdg_wm_base* base, std::uint32_t serial) {
        xdg_wm_base_pong(base, serial);
    }
    static constexpr xdg_wm_base_listener WmBase{&Ping};

    static void Geometry(void* /*data*/, wl_output* /*output*/, std::int32_t /*x*/,
                         std::int32_t /*y*/, std::int32_t /*widthMm*/, std::int32_t /*heightMm*/,
                         std::int32_t /*subpixel*/, const char* /*make*/, const char* /*model*/,
                         std::int32_t /*transform*/) {}
    static void Mode(void* data, wl_output* handle, std::uint32_t flags, std::int32_t width,
                     std::int32_t height, std::int32_t /*refresh*/) {
        WaylandOutput* output = Globals(data).Find(handle);
        if (output != nullptr && (flags & WL_OUTPUT_MODE_CURRENT) != 0) {
            output->PendingMode = {width, height};
        }
    }
    static void Done(void* data, wl_output* handle) {
        WaylandGlobals& globals = Globals(data);
        WaylandOutput* output = globals.Find(handle);
        if (output == nullptr) {
            return;
        }
        // The first mode an output names is no change.
        const bool modeChanged = output->Mode.Width > 0 && !(output->Mode == output->PendingMode);
        const bool scaleChanged = output->Scale != output->PendingScale;
        output->Mode = output->PendingMode;
        output->Scale = output->PendingScale;
        if (modeChanged || scaleChanged) {
            globals.observers_.OutputDone(*output, scaleChanged, modeChanged);
        }
    }
    static void Scale(void* data, wl_output* handle, std::int32_t factor) {
        WaylandOutput* output = Globals(data).Find(handle);
        if (output != nullptr) {
            output->PendingScale = std::max(1, factor);
        }
    }
    static void Name(void* /*data*/, wl_output* /*output*/, const char* /*name*/) {}
    static constexpr wl_output_listener Output{&Geometry, &Mode, &Done, &Scale, &Name, &Name};
};

WaylandGlobals::WaylandGlobals(Observers observers) : observers_(std::move(observers)) {}

void WaylandGlobals::Listen(wl_display* display) {
    registry_.reset(wl_display_get_registry(display));
    if (!registry_) {
        throw HostFault("refused the registry");
    }
    wl_registry_add_listener(registry_.get(), &Listeners::Registry, this);
}

void WaylandGlobals::Bind(wl_registry* registry, std::uint32_t name, std::string_view interface,
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
            observers_.SeatBound(seat_.get());
        }
    } else if (interface == wl_output_interface.name) {
        auto output = std::make_unique<WaylandOutput>();
        output->Name = name;
        output->Handle.reset(static_cast<wl_output*>(bind(wl_output_interface, 2)));
        if (output->Handle) {
            wl_output_add_listener(output->Handle.get(), &Listeners::Output, this);
            outputs_.push_back(std::move(output));
        }
    } else if (interface == wp_viewporter_interface.name) {
        viewporter_.reset(static_cast<wp_viewporter*>(bind(wp_viewporter_interface, 1)));
    } else if (interface == wp_fractional_scale_manager_v1_interface.name) {
        fractionalManager_.reset(static_cast<wp_fractional_scale_manager_v1*>(
            bind(wp_fractional_scale_manager_v1_interface, 1)));
    }
}

void WaylandGlobals::Unbind(std::uint32_t name) {
    const auto gone = std::find_if(outputs_.begin(), outputs_.end(),
                                   [name](const auto& output) { return output->Name == name; });
    if (gone != outputs_.end()) {
        const std::unique_ptr<WaylandOutput> output = std::move(*gone);
        outputs_.erase(gone);
        observers_.OutputGone(output->Handle.get());
    }
}

WaylandOutput* WaylandGlobals::Find(wl_output* handle) {
    const auto found = std::find_if(outputs_.begin(), outputs_.end(), [handle](const auto& output) {
        return output->Handle.get() == handle;
    });
    return found == outputs_.end() ? nullptr : found->get();
}

}  // namespace bumblorbs
