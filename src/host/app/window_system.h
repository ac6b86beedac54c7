#pragma once

#include <SDL.h>
#include <SDL_syswm.h>

#include <optional>

namespace bumblorbs {

// What the window system says of the window, where it is of the given kind
// (SDL_SYSWM_X11).
inline std::optional<SDL_SysWMinfo> WindowSystemInfo(SDL_Window* window, SDL_SYSWM_TYPE kind) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != kind) {
        return std::nullopt;
    }
    return info;
}

}  // namespace bumblorbs
