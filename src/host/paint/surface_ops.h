#pragma once

#include <SDL_surface.h>

#include <cstddef>
#include <cstdint>

namespace bumblorbs {

// Whether the surface stores each pixel as one 0x??RRGGBB word, as the X11
// and offscreen drivers' window surfaces do. Such surfaces are written
// directly; SDL's general routines serve any other.
bool HasWordPixels(const SDL_Surface* surface);

inline std::uint32_t* PixelRow(SDL_Surface* surface, int y) {
    return reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(surface->pixels) +
                                            static_cast<std::ptrdiff_t>(y) * surface->pitch);
}

// Fills `area` (already inside the surface) with a mapped colour. For word
// pixels a plain row fill; it is several times quicker than SDL_FillRect on
// the many small rectangles of a tick.
void FillArea(SDL_Surface* surface, const SDL_Rect& area, Uint32 colour);

// Fills `area` but for the part `hole` (inside it), which something else
// covers; for surfaces with word pixels.
void FillAround(SDL_Surface* surface, const SDL_Rect& area, const SDL_Rect& hole, Uint32 colour);

}  // namespace bumblorbs
