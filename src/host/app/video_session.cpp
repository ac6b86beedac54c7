#include "host/app/video_session.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdlib>

#include "host/app/fatal_report.h"
#include "host/sdl/host_fault.h"
#include "host/x11/x11_errors.h"

namespace bumblorbs {
namespace {

std::string_view Environment(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr ? value : "";
}

}  // namespace

std::vector<VideoDriverChoice> VideoDriversToTry(std::string_view sdlVideoDriver,
                                                 std::string_view display,
                                                 std::string_view waylandDisplay) {
    if (!sdlVideoDriver.empty()) {
        return {{std::string(sdlVideoDriver),
                 "the video driver " + std::string(sdlVideoDriver) + " did not start"}};
    }
    std::vector<VideoDriverChoice> choices;
    if (!display.empty()) {
        choices.push_back({"x11", "cannot open display " + std::string(display)});
    }
    if (!waylandDisplay.empty()) {
        choices.push_back(
            {"wayland", "cannot connect to the Wayland display " + std::string(waylandDisplay)});
    }
    return choices;
}

VideoSession::VideoSession() {
    const std::vector<VideoDriverChoice> choices = VideoDriversToTry(
        Environment("SDL_VIDEODRIVER"), Environment("DISPLAY"), Environment("WAYLAND_DISPLAY"));
    if (choices.empty()) {
        throw NoDisplay("no display is set (DISPLAY and WAYLAND_DISPLAY are empty)");
    }
    // A desktop toy should not keep the screensaver away.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    // The window is full screen: it needs no decorations, so no plugin
    // library is loaded to draw them.
    SDL_SetHint(SDL_HINT_VIDEO_WAYLAND_ALLOW_LIBDECOR, "0");
    // SDL takes a DirectColor visual where the X server offers one, whose
    // colours pass through a colormap that only a window manager installs;
    // a TrueColor one shows the pixels as they are, and takes the fast
    // tiles. SDL reads this from the environment only.
    setenv("SDL_VIDEO_X11_NODIRECTCOLOR", "1", 0);
    HandleX11Errors(&ExitAtOnce);
    std::string unreachable;
    bool started = false;
    for (const VideoDriverChoice& choice : choices) {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, choice.Driver.c_str());
        started = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
        if (started) {
            break;
        }
        unreachable += (unreachable.empty() ? "" : "; ") + choice.WhenUnreachable;
    }
    if (!started) {
        throw NoDisplay(unreachable);
    }
    // A window's own surface is then the window system's shared-memory
    // image, sent rectangle by rectangle; a GL-backed one would upload the
    // whole screen on every update. Wayland offers no such surface, and the
    // host draws through a texture there instead (WindowCanvas).
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
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
