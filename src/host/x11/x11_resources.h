#pragma once

#include <string_view>

struct SDL_Window;

namespace bumblorbs {

// The Xft.dpi resource, which X desktops set for their scale, as text;
// empty where it is not set or the window is not on X11.
std::string_view XftDpiResource(SDL_Window* window);

}  // namespace bumblorbs
