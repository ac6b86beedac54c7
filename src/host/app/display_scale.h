#pragma once

#include <optional>
#include <string_view>

#include "host/sdl/pixel_mapping.h"

struct SDL_Window;

namespace bumblorbs {

// A dots-per-inch setting read as text, if it is a number a desktop could
// really use.
std::optional<float> SaneDpi(std::string_view text);

// The desktop's dots per inch for the window's display: the Xft.dpi
// resource that desktops set for their scale, else 96.
float DesktopDpi(SDL_Window* window);

}  // namespace bumblorbs
