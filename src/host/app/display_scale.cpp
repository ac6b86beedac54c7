#include "host/app/display_scale.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <charconv>

namespace bumblorbs {

std::optional<float> SaneDpi(std::string_view text) {
    float dpi = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), dpi);
    if (error != std::errc() || end != text.data() + text.size() || !(dpi >= 48 && dpi <= 960)) {
        return std::nullopt;
    }
    return dpi;
}

float DesktopDpi(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) {
        return DefaultDpi;
    }
    const char* resource = XGetDefault(info.info.x11.display, "Xft", "dpi");
    if (resource == nullptr) {
        return DefaultDpi;
    }
    return SaneDpi(resource).value_or(DefaultDpi);
}

}  // namespace bumblorbs
