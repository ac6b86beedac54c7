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

RectsAround AroundHole(const SDL_Rect& area, const SDL_Rect& hole) {
    RectsAround around;
    const auto add = [&](int left, int top, int right, int bottom) {
        if (left < right && top < bottom) {
            around.Rects[around.Count++] = {left, top, right - left, bottom - top};
        }
    };
    const int areaRight = area.x + area.w;
    const int areaBottom = area.y + area.h;
    if (SDL_RectEmpty(&hole) == SDL_TRUE) {
        add(area.x, area.y, areaRight, areaBottom);
        return around;
    }
    const int holeRight = hole.x + hole.w;
    const int holeBottom = hole.y + hole.h;
    add(area.x, area.y, areaRight, hole.y);
    add(area.x, hole.y, hole.x, holeBottom);
    add(holeRight, hole.y, areaRight, holeBottom);
    add(area.x, holeBottom, areaRight, areaBottom);
    return around;
}

}  // namespace bumblorbs
