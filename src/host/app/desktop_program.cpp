#include "host/app/desktop_program.h"

#include <SDL.h>

#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "host/app/desktop_window.h"
#include "host/app/fatal_report.h"
#include "host/app/video_session.h"
#include "host/audio/beeper.h"
#include "host/sdl/host_fault.h"
#include "host/sdl/sdl_handles.h"
#include "scene/designed_layout.h"

namespace bumblorbs {
namespace {

// The window covers the whole screen of the display it opens on. A
// borderless window at the display's bounds does so with or without a
// window manager, where the desktop-fullscreen flag needs a manager's help.
WindowHandle OpenWindow(std::string_view caption) {
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(0, &bounds) != 0) {
        throw NoDisplay(std::string("cannot read the screen's size: ") + SDL_GetError());
    }
    WindowHandle window(SDL_CreateWindow(std::string(caption).c_str(), bounds.x, bounds.y, bounds.w,
                                         bounds.h, SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN));
    if (!window) {
        throw NoDisplay(std::string("SDL_CreateWindow: ") + SDL_GetError());
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
        std::cerr << "Bumblorbs: cannot open a window: " << fault.what() << '\n';
        return 1;
    }

    Beeper beeper;
    if (!beeper.Working()) {
        std::cerr << "Bumblorbs: no sound (" << beeper.Problem() << "); carrying on silently\n";
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
