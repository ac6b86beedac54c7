#include "host/sdl/sdl_window.h"

#include <chrono>
#include <ctime>
#include <optional>
#include <string>

#include "host/core/host_fault.h"
#include "host/core/monotonic_clock.h"
#include "host/core/wrap_lines.h"
#include "host/sdl/display_scale.h"
#include "host/sdl/sdl_canvas.h"
#include "host/sdl/show_watchdog.h"
#include "host/sdl/window_icon.h"
#include "host/x11/x11_window.h"
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
// border, it covers that one where no manager runs. It is made resizable:
// SDL would otherwise pin its size hints (minimum = maximum) at creation,
// which a manager may act on, tiling it, before they are cleared.
WindowHandle OpenWindow(const std::string& caption) {
    const int display = DisplayInUse();
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(display, &bounds) != 0) {
        throw NoDisplay(std::string("cannot read the screen's size: ") + SDL_GetError());
    }
    WindowHandle window(SDL_CreateWindow(caption.c_str(), bounds.x, bounds.y, bounds.w, bounds.h,
                                         SDL_WINDOW_BORDERLESS | SDL_WINDOW_RESIZABLE |
                                             SDL_WINDOW_ALLOW_HIGHDPI | SDL_WINDOW_HIDDEN));
    if (!window) {
        throw NoDisplay(std::string("SDL_CreateWindow: ") + SDL_GetError());
    }
    if (!PrepareFullScreenOnX11(window.get()) &&
        SDL_SetWindowFullscreen(window.get(), SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
        throw NoDisplay(std::string("SDL_SetWindowFullscreen: ") + SDL_GetError());
    }
    return window;
}

// How long the window system may take to show the window before the
// program gives up on a display that hangs.
constexpr std::chrono::seconds ShowTimeLimit{10};

constexpr int StopCheckMs = static_cast<int>(StopCheckNs / 1'000'000);

std::optional<MouseButton> ButtonOf(Uint8 sdlButton) {
    switch (sdlButton) {
        case SDL_BUTTON_LEFT: return MouseButton::Left;
        case SDL_BUTTON_RIGHT: return MouseButton::Right;
        case SDL_BUTTON_MIDDLE: return MouseButton::Middle;
        default: return std::nullopt;
    }
}

ShiftKeys KeysHeld() {
    const SDL_Keymod mod = SDL_GetModState();
    return {(mod & KMOD_SHIFT) != 0, (mod & KMOD_CTRL) != 0, (mod & KMOD_ALT) != 0};
}

}  // namespace

SdlWindow::SdlWindow()
    : window_(OpenWindow(std::string(DesignedLayout.Caption))),
      pixelsPerPoint_(PixelsPerPoint(window_.get())),
      canvas_(MakeSdlCanvas(window_.get())) {
    SetWindowIcon(window_.get());
}

void SdlWindow::Show() {
    const ShowWatchdog watchdog(ShowTimeLimit);
    SDL_ShowWindow(window_.get());
}

PixelSize SdlWindow::SizeInPixels() const {
    PixelSize size;
    SDL_GetWindowSizeInPixels(window_.get(), &size.Width, &size.Height);
    return size;
}

float SdlWindow::Dpi() const { return DesktopDpi(window_.get()); }

void SdlWindow::Wait(std::optional<std::int64_t> deadlineNs, WindowEvents& events) {
    SDL_Event event;
    bool pump = true;
    if (deadlineNs && inputWatch_.Active()) {
        // One wake a tick, at its deadline or at the first input before it;
        // SDL's pump runs only where there may be something to read.
        pump = inputWatch_.Sleep(*deadlineNs);
    } else if (deadlineNs) {
        // Elsewhere: sleep to the tick's deadline, then take every event
        // that came meanwhile, so input waits at most one tick. A signal
        // cuts the sleep short and is taken at once.
        const timespec deadline = TimespecOf(*deadlineNs);
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr);
    } else if (SDL_WaitEventTimeout(&event, StopCheckMs) != 0) {
        Handle(event, events);
    }
    if (pump) {
        SDL_PumpEvents();
        if (inputWatch_.Active()) {
            inputWatch_.Pumped();
        }
    }
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) {
        Handle(event, events);
    }
}

// Only SDL's own box for X11 is shown: elsewhere SDL runs a helper program
// that writes its own complaints to stderr, and after a lost display it may
// turn up on another one. That box also paints with truecolour pixel
// values, which come out as wrong colours and an invisible OK on a visual
// of fewer colours. Its text goes in short lines, to fit a small screen.
void SdlWindow::ShowFatal(std::string_view message) {
    constexpr std::size_t BoxLineLength = 48;
    if (X11WindowOf(window_.get()) &&
        SDL_BITSPERPIXEL(SDL_GetWindowPixelFormat(window_.get())) >= 24) {
        const std::string text = WrapLines(message, BoxLineLength);
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Bumblorbs: fatal error", text.c_str(),
                                 window_.get());
    }
}

void SdlWindow::Handle(const SDL_Event& event, WindowEvents& events) {
    switch (event.type) {
        case SDL_QUIT: events.CloseRequested(); break;
        case SDL_WINDOWEVENT: HandleWindowEvent(event.window, events); break;
        case SDL_MOUSEBUTTONUP: HandleRelease(event.button, events); break;
        case SDL_SYSWMEVENT:
            outputFollower_.Handle(*event.syswm.msg);
            colormapKeeper_.Handle(*event.syswm.msg);
            break;
        default: break;
    }
}

void SdlWindow::HandleWindowEvent(const SDL_WindowEvent& event, WindowEvents& events) {
    switch (event.event) {
        case SDL_WINDOWEVENT_CLOSE: events.CloseRequested(); break;
        case SDL_WINDOWEVENT_EXPOSED: events.Exposed(); break;
        case SDL_WINDOWEVENT_SIZE_CHANGED: events.Reshaped(); break;
        case SDL_WINDOWEVENT_MINIMIZED:
        case SDL_WINDOWEVENT_HIDDEN: events.Hidden(); break;
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_MAXIMIZED:
        case SDL_WINDOWEVENT_SHOWN: events.Restored(); break;
        default: break;
    }
}

void SdlWindow::HandleRelease(const SDL_MouseButtonEvent& event, WindowEvents& events) const {
    const std::optional<MouseButton> button = ButtonOf(event.button);
    if (!button || event.which == SDL_TOUCH_MOUSEID) {
        return;
    }
    events.Released(*button, KeysHeld(), static_cast<float>(event.x) * pixelsPerPoint_,
                    static_cast<float>(event.y) * pixelsPerPoint_);
}

}  // namespace bumblorbs
