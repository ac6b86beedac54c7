#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>

#include "host/app/desktop_services.h"
#include "host/app/window_canvas.h"
#include "host/core/tick_report.h"
#include "host/core/tick_schedule.h"
#include "host/paint/scene_painter.h"
#include "host/sdl/pixel_mapping.h"
#include "host/text/label_text.h"
#include "host/x11/x11_output.h"
#include "scene/scene.h"

namespace bumblorbs {

class Beeper;

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
    // A close request or a quit, which SDL also reports when the Wayland
    // compositor goes away; that is a fault, not a close.
    void Close();
    // Tells the scene the interior's size as the window system has it now.
    void UpdateInteriorSize();

    SDL_Window* window_;
    // Mouse positions come in points; the scene is drawn in real pixels.
    float pixelsPerPoint_;
    PixelMapping mapping_;
    Scene scene_;
    DesktopServices services_;
    LabelText labels_;
    ScenePainter painter_;
    std::unique_ptr<WindowCanvas> canvas_;
    TickSchedule schedule_;
    X11OutputFollower outputFollower_{window_};
    TickReport tickReport_{TickReportPeriodNs};
    bool minimised_ = false;
};

}  // namespace bumblorbs
