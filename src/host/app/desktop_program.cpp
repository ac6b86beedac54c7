#include "host/app/desktop_program.h"

#include <SDL.h>

#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "host/app/desktop_window.h"
#include "host/app/fatal_report.h"
#include "host/app/video_session.h"
#include "host/audio/beeper.h"
#include "host/core/say.h"
#include "host/sdl/host_fault.h"
#include "host/sdl/sdl_handles.h"
#include "host/x11/x11_output.h"
#include "scene/designed_layout.h"

namespace bumblorbs {
namespace {

// The display under the pointer, where the user is looking; the primary
// one where the platform does not say where the pointer is.
int DisplayInUse() {
    SDL_Point pointer{0, 0};
    SDL_GetGlobalMouseState(&pointer.x, &pointer.y);
    const int display = SDL_GetPointDisplayIndex(&pointer);
    return display >= 0 ? display : 0;
}

// The window covers the whole output it opens on, above any panel: the
// window manager or compositor is asked for full screen, on the output it
// chooses. Placed at the bounds of the output under the pointer, without a
// border, it covers that one where no manager runs.
WindowHandle OpenWindow(std::string_view caption) {
    const int display = DisplayInUse();
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(display, &bounds) != 0) {
        throw NoDisplay(std::string("cannot read the screen's size: ") + SDL_GetError());
    }
    WindowHandle window(
        SDL_CreateWindow(std::string(caption).c_str(), bounds.x, bounds.y, bounds.w, bounds.h,
                         SDL_WINDOW_BORDERLESS | SDL_WINDOW_ALLOW_HIGHDPI | SDL_WINDOW_HIDDEN));
    if (!window) {
        throw NoDisplay(std::string("SDL_CreateWindow: ") + SDL_GetError());
    }
    if (!PrepareFullScreenOnX11(window.get()) &&
        SDL_SetWindowFullscreen(window.get(), SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
        throw NoDisplay(std::string("SDL_SetWindowFullscreen: ") + SDL_GetError());
    }
    return window;
}

}  // namespace

int RunBumblorbs() {
    std::optional<VideoSession> video;
    WindowHandle window;
    try {
        video.emplace();
        window = OpenWindow(DesignedLayout.Caption);
    } catch (const std::exception& fault) {
        Say(std::string("cannot open a window: ") + fault.what());
        return 1;
    }

    Beeper beeper;
    if (!beeper.Working()) {
        Say("no sound (" + beeper.Problem() + "); carrying on silently");
    }
    try {
        DesktopWindow form1(window.get(), beeper.Working() ? &beeper : nullptr);
        form1.Run();
    } catch (const std::exception& fault) {
        ReportFatal(fault.what(), window.get());
        return 1;
    }
    return 0;
}

}  // namespace bumblorbs
