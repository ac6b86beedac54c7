#include "host/sdl/window_icon.h"

#include "host/sdl_core/sdl_fault.h"
#include "host/sdl_core/sdl_handles.h"
#include "window_icon_pixels.h"

namespace bumblorbs {

void SetWindowIcon(SDL_Window* window) {
    // SDL hands the window manager one image. Managers show window icons
    // at 16 to 64 pixels, and scale the largest down best.
    SurfaceHandle surface(SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<std::uint32_t*>(WindowIconPixels.data()), WindowIconSize, WindowIconSize, 32,
        WindowIconSize * static_cast<int>(sizeof(std::uint32_t)), SDL_PIXELFORMAT_ARGB8888));
    if (!surface) {
        ThrowSdlFault("SDL_CreateRGBSurfaceWithFormatFrom");
    }
    SDL_SetWindowIcon(window, surface.get());
}

}  // namespace bumblorbs
