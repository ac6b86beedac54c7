#include "host/app/desktop_program.h"

#include <exception>
#include <memory>
#include <optional>
#include <string>

#include "host/app/desktop_window.h"
#include "host/app/fatal_report.h"
#include "host/audio/beeper.h"
#include "host/core/environment.h"
#include "host/core/say.h"
#include "host/sdl/sdl_window.h"
#include "host/sdl/unread_events.h"
#include "host/sdl/video_session.h"
#include "host/wayland/open_wayland_window.h"

namespace bumblorbs {
namespace {

// The window on one window system, with the SDL session it needs; the
// session outlives the window.
struct OpenWindow {
    std::optional<VideoSession> Session;
    std::unique_ptr<HostWindow> Window;
};

void Open(const WindowSystemChoice& choice, OpenWindow& open) {
    if (choice.Driver == WaylandDriver) {
        // The compositor first: until SDL's session starts, a signal ends a
        // hung connect at once.
        auto window = OpenWaylandWindow(choice.Target);
        open.Session.emplace("");
        open.Window = std::move(window);
    } else {
        open.Session.emplace(choice.Driver);
        DropUnreadEvents();
        open.Window = std::make_unique<SdlWindow>();
    }
}

}  // namespace

int RunBumblorbs() {
    const WindowSystemPlan plan = WindowSystemsToTry(
        Environment("SDL_VIDEODRIVER"), Environment("DISPLAY"), Environment("WAYLAND_DISPLAY"));
    OpenWindow open;
    std::string problems;
    for (const WindowSystemChoice& choice : plan.Choices) {
        try {
            Open(choice, open);
            break;
        } catch (const std::exception& fault) {
            open.Window.reset();
            open.Session.reset();
            problems += (problems.empty() ? "" : "; ") + std::string(fault.what());
        }
    }
    if (!open.Window) {
        Say("cannot open a window: " + (plan.Refusal.empty() ? problems : plan.Refusal));
        return 1;
    }
    if (!problems.empty()) {
        Say(problems + "; showing the window on X11 instead");
    }

    Beeper beeper;
    try {
        RunDesktopWindow(*open.Window, &beeper);
    } catch (const std::exception& fault) {
        ReportFatal(fault.what(), open.Window.get());
        return 1;
    }
    return 0;
}

}  // namespace bumblorbs
