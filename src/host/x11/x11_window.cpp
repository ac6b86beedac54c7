#include "host/x11/x11_window.h"

#include <SDL_syswm.h>

#include "host/core/host_fault.h"

namespace bumblorbs {

std::optional<X11Window> X11WindowOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) {
        return std::nullopt;
    }
    return X11Window{info.info.x11.display, info.info.x11.window};
}

XWindowAttributes AttributesOf(const X11Window& x11) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(x11.Connection, x11.Id, &attributes) == 0) {
        throw HostFault("cannot read the window's attributes (XGetWindowAttributes)");
    }
    return attributes;
}

}  // namespace bumblorbs
