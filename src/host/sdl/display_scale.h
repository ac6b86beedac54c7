#pragma once

#include <optional>
#include <string_view>

#include "host/core/pixel_mapping.h"

struct SDL_Window;

namespace bumblorbs {

// A dots-per-inch setting read as text, if it is a number a desktop could
// really use.
std::optional<float> SaneDpi(std::string_view text);

// How many of the output's real pixels make one of the window's points: 1 on
// X11, the output's scale (2, 1.5, ...) on a scaled Wayland output.
float PixelsPerPoint(SDL_Window* window);

// The dots per inch of the window's real pixels: the Xft.dpi resource that
// X desktops set for their scale, else 96, times the pixels per point.
float DesktopDpi(SDL_Window* window);

}  // namespace bumblorbs
