#include "host/paint/surface_ops.h"

#include <algorithm>

#include "host/sdl/host_fault.h"

namespace bumblorbs {

bool HasWordPixels(const SDL_Surface* surface) {
    const SDL_PixelFormat* format = surface->format;
    return format->BytesPerPixel == 4 && format->Rmask == 0x00FF0000U &&
           format->Gmask == 0x0000FF00U && format->Bmask == 0x000000FFU;
}

void FillArea(SDL_Surface* surface, const SDL_Rect& area, Uint32 colour) {
    if (!HasWordPixels(surface)) {
        if (SDL_FillRect(surface, &area, colour) != 0) {
            ThrowSdlFault("SDL_FillRect");
        }
        return;
    }
    for (int y = area.y; y < area.y + area.h; ++y) {
        std::fill_n(PixelRow(surface, y) + area.x, area.w, colour);
    }
}

void FillAround(SDL_Surface* surface, const SDL_Rect& area, const SDL_Rect& hole, Uint32 colour) {
    for (int y = area.y; y < area.y + area.h; ++y) {
        std::uint32_t* row = PixelRow(surface, y);
        if (y < hole.y || y >= hole.y + hole.h) {
            std::fill_n(row + area.x, area.w, colour);
            continue;
        }
        std::fill(row + area.x, row + hole.x, colour);
        std::fill(row + hole.x + hole.w, row + area.x + area.w, colour);
    }
}

}  // namespace bumblorbs
