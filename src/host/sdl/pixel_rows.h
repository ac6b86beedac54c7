#pragma once

#include <SDL_surface.h>

#include <cstddef>
#include <cstdint>

namespace bumblorbs {

// The size of one of the 32-bit pixels the scene is painted in.
inline constexpr int BytesPerPixel = 4;

// Row `y` of a surface of 32-bit pixels.
inline std::uint32_t* PixelRow(SDL_Surface* surface, int y) {
    return reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(surface->pixels) +
                                            static_cast<std::ptrdiff_t>(y) * surface->pitch);
}

inline const std::uint32_t* PixelRow(const SDL_Surface* surface, int y) {
    return reinterpret_cast<const std::uint32_t*>(
        static_cast<const std::uint8_t*>(surface->pixels) +
        static_cast<std::ptrdiff_t>(y) * surface->pitch);
}

}  // namespace bumblorbs
