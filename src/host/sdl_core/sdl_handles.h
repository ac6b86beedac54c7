#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include "host/core/owned_handle.h"

namespace bumblorbs {

using SurfaceHandle = OwnedHandle<SDL_Surface, SDL_FreeSurface>;
using PixelFormatHandle = OwnedHandle<SDL_PixelFormat, SDL_FreeFormat>;
using FontHandle = OwnedHandle<TTF_Font, TTF_CloseFont>;
using WindowHandle = OwnedHandle<SDL_Window, SDL_DestroyWindow>;

}  // namespace bumblorbs
