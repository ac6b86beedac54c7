#pragma once

#include <SDL_surface.h>

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

// Fills `area` but for the part `hole` (inside it), which something else
// covers; for surfaces with word pixels.
void FillAround(SDL_Surface* surface, const SDL_Rect& area, const SDL_Rect& hole, Uint32 colour);

}  // namespace bumblorbs
