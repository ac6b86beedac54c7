#include "host/sdl/video_session.h"

#include <SDL.h>

#include <array>
#include <chrono>

#include "host/core/environment.h"
#include "host/core/exit_at_once.h"
#include "host/core/host_fault.h"
#include "host/sdl/start_up_environment.h"
#include "host/x11/display_probe.h"
#include "host/x11/x11_errors.h"

namespace bumblorbs {
namespace {

// How long an X server may take to answer a new connection, as long as a
// Wayland compositor may.
constexpr std::chrono::milliseconds DisplayAnswerLimit{3000};

// SDL's drivers that run without showing anything.
constexpr std::array<std::string_view, 3> HeadlessDrivers{"dummy", "offscreen", "evdev"};

}  // namespace

WindowSystemPlan WindowSystemsToTry(std::string_view sdlVideoDriver, std::string_view display,
                                    std::string_view waylandDisplay) {
    if (!sdlVideoDriver.empty()) {
        for (const std::string_view headless : HeadlessDrivers) {
            if (sdlVideoDriver == headless) {
                return {{},
                        "SDL_VIDEODRIVER=" + std::string(sdlVideoDriver) +
                            " cannot show a window (use x11 or wayland, or unset it)"};
            }
        }
        if (sdlVideoDriver == WaylandDriver) {
            // libwayland's own default where WAYLAND_DISPLAY is not set.
            return {{{std::string(WaylandDriver),
                      waylandDisplay.empty() ? "wayland-0" : std::string(waylandDisplay)}},
                    {}};
        }
        return {{{std::string(sdlVideoDriver), std::string(display)}}, {}};
    }
    WindowSystemPlan plan;
    if (!waylandDisplay.empty()) {
        plan.Choices.push_back({std::string(WaylandDriver), std::string(waylandDisplay)});
    }
    if (!display.empty()) {
        plan.Choices.push_back({"x11", std::string(display)});
    }
    if (plan.Choices.empty()) {
        plan.Refusal = "no display is set (DISPLAY and WAYLAND_DISPLAY are empty)";
    }
    return plan;
}

VideoSession::VideoSession(std::string_view sdlDriver) : video_(!sdlDriver.empty()) {
    // A desktop toy should not keep the screensaver away.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    // Over SDL_VIDEODRIVER too, which SDL would read even when empty.
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, std::string(sdlDriver).c_str(),
                            SDL_HINT_OVERRIDE);
    // SDL takes a DirectColor visual where the X server offers one, whose
    // colours pass through a colormap that only a window manager installs;
    // a TrueColor one shows the pixels as they are, and takes the fast
    // tiles. SDL reads this from the environment only.
    setenv("SDL_VIDEO_X11_NODIRECTCOLOR", "1", 0);
    HandleX11Errors(&ExitAtOnce);
    // Our own Wayland window needs no SDL subsystem.
    if (video_) {
        if (sdlDriver == "x11") {
            if (auto problem = SilentDisplayProblem(Environment("DISPLAY"), DisplayAnswerLimit)) {
                throw NoDisplay(*problem);
            }
        }
        if (const StartUpEnvironment quiet; SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
            if (sdlDriver == "x11") {
                throw NoDisplay("cannot open display " + std::string(Environment("DISPLAY")));
            }
            throw NoDisplay("the video driver " + std::string(sdlDriver) +
                            " did not start: " + SDL_GetError());
        }
    }
    // A window's own surface is then the window system's shared-memory
    // image, sent rectangle by rectangle; a GL-backed one would upload the
    // whole screen on every update.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
}

VideoSession::VideoSession()
    : VideoSession(Environment("SDL_VIDEODRIVER").empty() ? "x11"
                                                          : Environment("SDL_VIDEODRIVER")) {}

VideoSession::~VideoSession() { QuitVideo(); }

void VideoSession::QuitVideo() const {
    if (video_) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
}

}  // namespace bumblorbs
