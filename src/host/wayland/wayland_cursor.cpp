#include "host/wayland/wayland_cursor.h"

#include <cstdlib>

#include "host/wayland/surface_scale.h"

namespace bumblorbs {
namespace {

int CursorSize() {
    const char* size = std::getenv("XCURSOR_SIZE");
    const int value = size != nullptr ? std::atoi(size) : 0;
    return value > 0 && value <= 256 ? value : 24;
}

}  // namespace

void WaylandCursor::Show(wl_pointer* pointer, std::uint32_t serial, int scale120) {
    const int scale = (scale120 + ScaleDenominator - 1) / ScaleDenominator;
    if (scale != scale_) {
        scale_ = scale;
        theme_.reset(wl_cursor_theme_load(nullptr, CursorSize() * scale, globals_.Shm()));
    }
    wl_cursor* cursor = theme_ ? wl_cursor_theme_get_cursor(theme_.get(), "left_ptr") : nullptr;
    if (cursor == nullptr || cursor->image_count == 0) {
        return;
    }
    wl_cursor_image* image = cursor->images[0];
    wl_buffer* buffer = wl_cursor_image_get_buffer(image);
    if (!surface_) {
        surface_.reset(wl_compositor_create_surface(globals_.Compositor()));
    }
    if (buffer == nullptr || !surface_) {
        return;
    }
    wl_surface_set_buffer_scale(surface_.get(), scale);
    wl_surface_attach(surface_.get(), buffer, 0, 0);
    wl_surface_damage_buffer(surface_.get(), 0, 0, static_cast<std::int32_t>(image->width),
                             static_cast<std::int32_t>(image->height));
    wl_surface_commit(surface_.get());
    wl_pointer_set_cursor(pointer, serial, surface_.get(),
                          static_cast<std::int32_t>(image->hotspot_x) / scale,
                          static_cast<std::int32_t>(image->hotspot_y) / scale);
}

}  // namespace bumblorbs
