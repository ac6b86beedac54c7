#include "host/sdl/display_scale.h"

#include <SDL.h>

#include <charconv>

#include "host/x11/x11_resources.h"

namespace bumblorbs {

namespace {

// The settings a desktop could really use: half of 96 dpi to ten times it.
constexpr float LeastDpi = 48;
constexpr float MostDpi = 960;

}  // namespace

std::optional<float> SaneDpi(std::string_view text) {
    float dpi = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), dpi);
    if (error != std::errc() || end != text.data() + text.size() ||
        !(dpi >= LeastDpi && dpi <= MostDpi)) {
        return std::nullopt;
    }
    return dpi;
}

float PixelsPerPoint(SDL_Window* window) {
    int points = 0;
    int pixels = 0;
    int height = 0;
    SDL_GetWindowSize(window, &points, &height);
    SDL_GetWindowSizeInPixels(window, &pixels, &height);
    return points > 0 && pixels > 0 ? static_cast<float>(pixels) / static_cast<float>(points)
                                    : 1.0F;
}

float DesktopDpi(SDL_Window* window) {
    return SaneDpi(XftDpiResource(window)).value_or(DefaultDpi) * PixelsPerPoint(window);
}

}  // namespace bumblorbs
