#include "host/app/video_session.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdlib>
#include <string>
#include <string_view>

#include "host/app/x11_errors.h"
#include "host/sdl/host_fault.h"

namespace bumblorbs {
namespace {

bool ShowsNothing(std::string_view driver) { return driver == "offscreen" || driver == "dummy"; }

bool IsSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

bool AskedFor(std::string_view driver) {
    return IsSet("SDL_VIDEODRIVER") && driver == std::getenv("SDL_VIDEODRIVER");
}

}  // namespace

VideoSession::VideoSession() {
    // Without a display to name, probing the drivers only prints their
    // complaints; a driver chosen by SDL_VIDEODRIVER is still tried.
    if (!IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY") && !IsSet("SDL_VIDEODRIVER")) {
        throw NoDisplay("no display is set (DISPLAY is empty)");
    }

    // Draw into the window system's own shared-memory image and send only
    // the changed rectangles; a GL-backed framebuffer would upload the whole
    // screen on every update.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // A desktop toy should not keep the screensaver away.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    HandleX11Errors();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        throw NoDisplay(SDL_GetError());
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr || (ShowsNothing(driver) && !AskedFor(driver))) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        throw NoDisplay("no display could be opened, only a driver that shows nothing");
    }
    if (TTF_Init() != 0) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        throw HostFault(std::string("TTF_Init: ") + TTF_GetError());
    }
}

VideoSession::~VideoSession() {
    TTF_Quit();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

}  // namespace bumblorbs
