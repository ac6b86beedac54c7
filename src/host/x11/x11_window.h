#pragma once

#include <SDL.h>
#include <X11/Xlib.h>

#include <optional>

namespace bumblorbs {

// The X connection and window an SDL window stands on.
struct X11Window {
    Display* Connection = nullptr;
    Window Id = 0;
};

// Where the window is on X11, its connection and window; else nothing.
std::optional<X11Window> X11WindowOf(SDL_Window* window);

// The window's attributes (size, depth, visual); a HostFault where the
// server does not give them.
XWindowAttributes AttributesOf(const X11Window& x11);

}  // namespace bumblorbs
