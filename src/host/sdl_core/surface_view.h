#pragma once

#include <SDL_rect.h>
#include <SDL_surface.h>

#include <string>

#include "host/core/host_fault.h"
#include "host/paint/pixel_view.h"

namespace bumblorbs {

// An SDL surface's pixels as the painter draws into them. Throws HostFault
// for a format the painter does not draw in.
inline PixelView ViewOf(SDL_Surface* surface) {
    PixelView view{surface->pixels, surface->pitch, surface->w, surface->h, PixelFormat::Xrgb8888};
    switch (surface->format->format) {
        case SDL_PIXELFORMAT_XRGB8888: return view;
        case SDL_PIXELFORMAT_ARGB8888: view.Format = PixelFormat::Argb8888; return view;
        case SDL_PIXELFORMAT_RGB565: view.Format = PixelFormat::Rgb565; return view;
        default:
            throw HostFault(std::string("cannot paint into pixels of ") +
                            SDL_GetPixelFormatName(surface->format->format));
    }
}

// A rectangle as SDL takes it.
inline SDL_Rect SdlRect(const PixelRect& rect) { return {rect.x, rect.y, rect.w, rect.h}; }

}  // namespace bumblorbs
