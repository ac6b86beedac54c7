#include "host/app/desktop_window.h"

#include <chrono>
#include <ctime>
#include <vector>

#include "behaviour/handle_mouse_up.h"
#include "behaviour/start_scene.h"
#include "behaviour/step_balls.h"
#include "host/app/display_scale.h"
#include "host/app/show_watchdog.h"
#include "host/app/wayland_shm_canvas.h"
#include "host/app/window_icon.h"
#include "host/core/say.h"
#include "host/sdl/host_fault.h"
#include "scene/designed_layout.h"

namespace bumblorbs {
namespace {

// The monotonic clock, which the tick's deadline is slept to.
std::int64_t NowNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

std::int16_t ButtonBit(Uint8 sdlButton) {
    switch (sdlButton) {
        case SDL_BUTTON_LEFT: return LeftButton;
        case SDL_BUTTON_RIGHT: return RightButton;
        case SDL_BUTTON_MIDDLE: return MiddleButton;
        default: return 0;
    }
}

std::int16_t ShiftBits() {
    const SDL_Keymod mod = SDL_GetModState();
    return static_cast<std::int16_t>(((mod & KMOD_SHIFT) != 0 ? ShiftKey : 0) |
                                     ((mod & KMOD_CTRL) != 0 ? CtrlKey : 0) |
                                     ((mod & KMOD_ALT) != 0 ? AltKey : 0));
}

// How long the window system may take to show the window before the
// program gives up on a display that hangs.
constexpr std::chrono::seconds ShowTimeLimit{10};

}  // namespace

DesktopWindow::DesktopWindow(SDL_Window* window, Beeper* beeper)
    : window_(window),
      pixelsPerPoint_(PixelsPerPoint(window_)),
      mapping_(TwipsPerPixelAt(DesktopDpi(window_))),
      scene_(DesignedLayout),
      services_(beeper),
      labels_(scene_, mapping_, services_.GroupSeparator()),
      painter_(mapping_, labels_),
      canvas_(MakeWindowCanvas(window_)) {
    UpdateInteriorSize();
    if (!labels_.AllTextCovered()) {
        Say("no installed font can draw all of the window's text; install the Debian package "
            "fonts-ipafont-gothic");
    }
    SetWindowIcon(window_);
}

void DesktopWindow::Run() {
    StartScene(scene_, services_);
    {
        const ShowWatchdog watchdog(ShowTimeLimit);
        SDL_ShowWindow(window_);
    }
    while (!services_.Unloaded()) {
        WaitForEvents();
        if (!services_.Unloaded()) {
            Tick();
            Paint();
        }
    }
}

void DesktopWindow::WaitForEvents() {
    SyncTimer();
    SDL_Event event;
    if (schedule_.Running() && !minimised_) {
        // One wake a tick: sleep to the tick's deadline, then take every
        // event that came meanwhile, so input waits at most one tick. A
        // signal cuts the sleep short and is taken at once.
        const std::int64_t due = schedule_.NextDueNs();
        const timespec deadline{static_cast<time_t>(due / 1'000'000'000),
                                static_cast<long>(due % 1'000'000'000)};
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr);
    } else if (SDL_WaitEvent(&event) != 0) {
        Handle(event);
    }
    while (!services_.Unloaded() && SDL_PollEvent(&event) != 0) {
        Handle(event);
    }
}

// Follows Timer1's settings: ticks only while it is enabled with an
// interval above zero.
void DesktopWindow::SyncTimer() {
    const AnimationTimer& timer = scene_.Timer1();
    if (!timer.Ticking()) {
        schedule_.Stop();
    } else if (schedule_.PeriodNs() != TickPeriodNs(timer.Interval)) {
        schedule_.Start(NowNs(), TickPeriodNs(timer.Interval));
    }
}

void DesktopWindow::Tick() {
    const std::int64_t now = NowNs();
    if (!minimised_ && schedule_.TakeDue(now)) {
        StepBalls(scene_, services_);
        services_.QuietSound();
        if constexpr (ReportTicks) {
            tickReport_.Ticked(now, scene_.BounceCount());
        }
    }
}

void DesktopWindow::Paint() {
    if (minimised_ || !scene_.PendingDamage().Any()) {
        return;
    }
    canvas_->Present(painter_, scene_, scene_.TakeDamage());
}

void DesktopWindow::Handle(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT: Close(); break;
        case SDL_WINDOWEVENT: HandleWindowEvent(event.window); break;
        case SDL_MOUSEBUTTONUP: HandleRelease(event.button); break;
        case SDL_SYSWMEVENT: outputFollower_.Handle(*event.syswm.msg); break;
        default: break;
    }
}

void DesktopWindow::HandleWindowEvent(const SDL_WindowEvent& event) {
    switch (event.event) {
        case SDL_WINDOWEVENT_CLOSE: Close(); break;
        case SDL_WINDOWEVENT_EXPOSED: scene_.MarkAllDamaged(); break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            UpdateInteriorSize();
            scene_.MarkAllDamaged();
            break;
        case SDL_WINDOWEVENT_MINIMIZED:
        case SDL_WINDOWEVENT_HIDDEN: minimised_ = true; break;
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_MAXIMIZED:
        case SDL_WINDOWEVENT_SHOWN:
            if (minimised_) {
                // The balls carry on from where they were, on a fresh cadence.
                minimised_ = false;
                schedule_.Stop();
                scene_.MarkAllDamaged();
            }
            break;
        default: break;
    }
}

void DesktopWindow::Close() {
    if (WaylandConnectionLost(window_)) {
        throw HostFault("lost the connection to the Wayland compositor");
    }
    services_.UnloadWindow();
}

void DesktopWindow::UpdateInteriorSize() {
    int width = 0;
    int height = 0;
    SDL_GetWindowSizeInPixels(window_, &width, &height);
    scene_.SetInteriorSize({mapping_.ToTwips(width), mapping_.ToTwips(height)});
}

void DesktopWindow::HandleRelease(const SDL_MouseButtonEvent& event) {
    const std::int16_t button = ButtonBit(event.button);
    const Twips x = mapping_.ToTwips(static_cast<float>(event.x) * pixelsPerPoint_);
    const Twips y = mapping_.ToTwips(static_cast<float>(event.y) * pixelsPerPoint_);
    if (button == 0 || event.which == SDL_TOUCH_MOUSEID || scene_.IsOverLabel(x, y)) {
        return;
    }
    HandleMouseUp(scene_, services_, button, ShiftBits(), x, y);
}

}  // namespace bumblorbs
