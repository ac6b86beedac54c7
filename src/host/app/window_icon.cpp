#include "host/app/window_icon.h"

#include <span>

#include "bumblorbs-48.xpm"
#include "host/core/xpm_image.h"
#include "host/sdl/host_fault.h"
#include "host/sdl/sdl_handles.h"

namespace bumblorbs {

void SetWindowIcon(SDL_Window* window) {
    // SDL hands the window manager one image; the largest scales best.
    ArgbImage image = DecodeXpm(std::span<const char* const>(bumblorbs_48_xpm));
    SurfaceHandle surface(SDL_CreateRGBSurfaceWithFormatFrom(
        image.Pixels.data(), image.Width, image.Height, 32,
        image.Width * static_cast<int>(sizeof(std::uint32_t)), SDL_PIXELFORMAT_ARGB8888));
    if (!surface) {
        ThrowSdlFault("SDL_CreateRGBSurfaceWithFormatFrom");
    }
    SDL_SetWindowIcon(window, surface.get());
}

}  // namespace bumblorbs
