#pragma once

#include <fractional-scale-v1-client-protocol.h>
#include <viewporter-client-protocol.h>
#include <wayland-client.h>
#include <wayland-cursor.h>
#include <xdg-shell-client-protocol.h>

#include "host/core/owned_handle.h"

namespace bumblorbs {

// The protocols' destructor requests are static inline functions, which a
// type shared between files may not name: these name them instead.
namespace wayland_destroy {
inline void DestroyWlRegistry(wl_registry* object) { wl_registry_destroy(object); }
inline void DestroyWlCallback(wl_callback* object) { wl_callback_destroy(object); }
inline void DestroyWlCompositor(wl_compositor* object) { wl_compositor_destroy(object); }
inline void DestroyWlShm(wl_shm* object) { wl_shm_destroy(object); }
inline void DestroyWlShmPool(wl_shm_pool* object) { wl_shm_pool_destroy(object); }
inline void DestroyWlBuffer(wl_buffer* object) { wl_buffer_destroy(object); }
inline void DestroyWlSeat(wl_seat* object) { wl_seat_destroy(object); }
inline void DestroyWlPointer(wl_pointer* object) { wl_pointer_destroy(object); }
inline void DestroyWlKeyboard(wl_keyboard* object) { wl_keyboard_destroy(object); }
inline void DestroyWlOutput(wl_output* object) { wl_output_destroy(object); }
inline void DestroyWlSurface(wl_surface* object) { wl_surface_destroy(object); }
inline void DestroyXdgWmBase(xdg_wm_base* object) { xdg_wm_base_destroy(object); }
inline void DestroyXdgSurface(xdg_surface* object) { xdg_surface_destroy(object); }
inline void DestroyXdgToplevel(xdg_toplevel* object) { xdg_toplevel_destroy(object); }
inline void DestroyWpViewporter(wp_viewporter* object) { wp_viewporter_destroy(object); }
inline void DestroyWpViewport(wp_viewport* object) { wp_viewport_destroy(object); }
inline void DestroyWpFractionalScaleManagerV1(wp_fractional_scale_manager_v1* object) {
    wp_fractional_scale_manager_v1_destroy(object);
}
inline void DestroyWpFractionalScaleV1(wp_fractional_scale_v1* object) {
    wp_fractional_scale_v1_destroy(object);
}
}  // namespace wayland_destroy

// Every Wayland object the window holds, released with its own destructor
// request.
using DisplayHandle = OwnedHandle<wl_display, wl_display_disconnect>;
using RegistryHandle = OwnedHandle<wl_registry, wayland_destroy::DestroyWlRegistry>;
using CallbackHandle = OwnedHandle<wl_callback, wayland_destroy::DestroyWlCallback>;
using CompositorHandle = OwnedHandle<wl_compositor, wayland_destroy::DestroyWlCompositor>;
using ShmHandle = OwnedHandle<wl_shm, wayland_destroy::DestroyWlShm>;
using ShmPoolHandle = OwnedHandle<wl_shm_pool, wayland_destroy::DestroyWlShmPool>;
using BufferHandle = OwnedHandle<wl_buffer, wayland_destroy::DestroyWlBuffer>;
using SeatHandle = OwnedHandle<wl_seat, wayland_destroy::DestroyWlSeat>;
using PointerHandle = OwnedHandle<wl_pointer, wayland_destroy::DestroyWlPointer>;
using KeyboardHandle = OwnedHandle<wl_keyboard, wayland_destroy::DestroyWlKeyboard>;
using OutputHandle = OwnedHandle<wl_output, wayland_destroy::DestroyWlOutput>;
using WlSurfaceHandle = OwnedHandle<wl_surface, wayland_destroy::DestroyWlSurface>;
using WmBaseHandle = OwnedHandle<xdg_wm_base, wayland_destroy::DestroyXdgWmBase>;
using XdgSurfaceHandle = OwnedHandle<xdg_surface, wayland_destroy::DestroyXdgSurface>;
using ToplevelHandle = OwnedHandle<xdg_toplevel, wayland_destroy::DestroyXdgToplevel>;
using ViewporterHandle = OwnedHandle<wp_viewporter, wayland_destroy::DestroyWpViewporter>;
using ViewportHandle = OwnedHandle<wp_viewport, wayland_destroy::DestroyWpViewport>;
using FractionalScaleManagerHandle =
    OwnedHandle<wp_fractional_scale_manager_v1, wayland_destroy::DestroyWpFractionalScaleManagerV1>;
using FractionalScaleHandle =
    OwnedHandle<wp_fractional_scale_v1, wayland_destroy::DestroyWpFractionalScaleV1>;
using CursorThemeHandle = OwnedHandle<wl_cursor_theme, wl_cursor_theme_destroy>;

}  // namespace bumblorbs
