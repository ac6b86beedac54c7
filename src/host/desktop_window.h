#pragma once

#include <SDL.h>

#include <cstdint>

#include "host/desktop_services.h"
#include "host/label_text.h"
#include "host/pixel_mapping.h"
#include "host/scene_painter.h"
#include "host/tick_report.h"
#include "host/tick_schedule.h"
#include "scene/interior.h"
#include "scene/scene.h"

namespace bumblorbs {

class Beeper;

// The interior as the window system reports it right now.
class WindowInterior final : public Interior {
public:
    WindowInterior(SDL_Window* window, const PixelMapping& mapping)
        : window_(window), mapping_(mapping) {}
    TwipSize Size() const override;

private:
    SDL_Window* window_;
    const PixelMapping& mapping_;
};

// The window form1 on the desktop: its scene, the timer that drives it, the
// mouse that reaches it, and its painting. Owns everything but the SDL
// window itself and the sound.
class DesktopWindow {
public:
    // `beeper` may be null: the toy then runs silently.
    DesktopWindow(SDL_Window* window, Beeper* beeper);

    // Starts the scene, shows the window and delivers events until the
    // window is unloaded.
    void Run();

private:
    void WaitForEvents();
    void SyncTimer();
    void Tick();
    void Paint();
    void Handle(const SDL_Event& event);
    void HandleWindowEvent(const SDL_WindowEvent& event);
    void HandleRelease(const SDL_MouseButtonEvent& event);

    SDL_Window* window_;
    PixelMapping mapping_;
    WindowInterior interior_;
    Scene scene_;
    DesktopServices services_;
    LabelText labels_;
    ScenePainter painter_;
    TickSchedule schedule_;
    TickReport tickReport_{30'000'000'000};
    bool minimised_ = false;
};

}  // namespace bumblorbs
