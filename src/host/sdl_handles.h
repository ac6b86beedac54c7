#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <memory>

namespace bumblorbs {

struct SurfaceDeleter {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
struct FontDeleter {
    void operator()(TTF_Font* f) const { TTF_CloseFont(f); }
};
struct WindowDeleter {
    void operator()(SDL_Window* w) const { SDL_DestroyWindow(w); }
};

using SurfaceHandle = std::unique_ptr<SDL_Surface, SurfaceDeleter>;
using FontHandle = std::unique_ptr<TTF_Font, FontDeleter>;
using WindowHandle = std::unique_ptr<SDL_Window, WindowDeleter>;

}  // namespace bumblorbs
