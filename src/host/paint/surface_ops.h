#pragma once

#include <SDL_surface.h>

#include <array>
#include <cstddef>

#include "host/sdl/pixel_rows.h"

namespace bumblorbs {

// Whether the surface stores each pixel as one 0x??RRGGBB word, as the X11
// and offscreen drivers' window surfaces do. Such surfaces are written
// directly; SDL's general routines serve any other.
bool HasWordPixels(const SDL_Surface* surface);

// Fills `area` (already inside the surface) with a mapped colour. For word
// pixels a plain row fill; it is several times quicker than SDL_FillRect on
// the many small rectangles of a tick.
void FillArea(SDL_Surface* surface, const SDL_Rect& area, Uint32 colour);

// The parts of `area` outside `hole`, which lies inside it: the rows above
// the hole, beside it on the left and on the right, and below it, leaving
// out empty parts; the whole area where the hole is empty.
struct RectsAround {
    std::array<SDL_Rect, 4> Rects{};
    std::size_t Count = 0;
};
RectsAround AroundHole(const SDL_Rect& area, const SDL_Rect& hole);

}  // namespace bumblorbs
