#include "host/app/saver_program.h"

#include <SDL_ttf.h>

#include <csignal>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <iostream>
#include <string>

#include "behaviour/start_scene.h"
#include "behaviour/step_balls.h"
#include "host/app/desktop_services.h"
#include "host/app/display_scale.h"
#include "host/app/x11_tile_canvas.h"
#include "host/core/tick_schedule.h"
#include "host/paint/scene_painter.h"
#include "host/sdl/host_fault.h"
#include "host/sdl/pixel_mapping.h"
#include "host/text/label_text.h"
#include "host/x11/saver_window.h"
#include "scene/designed_layout.h"
#include "scene/scene.h"

namespace bumblorbs {
namespace {

// The longest wait while Timer1 is stopped, so that an ending signal is
// looked at soon whatever it interrupted.
constexpr std::int64_t IdleWaitNs = 100'000'000;

volatile std::sig_atomic_t endRequested = 0;

void RequestEnd(int /*signal*/) { endRequested = 1; }

// SIGTERM is how XScreenSaver ends its hacks, SIGINT how a terminal does.
// Without SA_RESTART, a signal cuts the loop's wait short.
void HearEndingSignals() {
    struct sigaction action {};
    action.sa_handler = &RequestEnd;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

std::int64_t NowNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

// SDL_ttf for the lifetime of the object; no SDL video, which would open a
// display connection of its own for nothing.
class FontSession {
public:
    FontSession() {
        if (TTF_Init() != 0) {
            throw HostFault(std::string("TTF_Init: ") + TTF_GetError());
        }
    }
    ~FontSession() { TTF_Quit(); }
    FontSession(const FontSession&) = delete;
    FontSession& operator=(const FontSession&) = delete;
};

// The scene in a window it is given: the same start, ticks and painting as
// the toy's own window, with nothing to hear from the mouse and no beeper.
class SaverScreen {
public:
    explicit SaverScreen(SaverWindow& window)
        : window_(window),
          mapping_(TwipsPerPixelAt(SaneDpi(window.DpiResource()).value_or(DefaultDpi))),
          scene_(DesignedLayout),
          services_(nullptr),
          labels_(scene_, mapping_, services_.GroupSeparator()),
          painter_(mapping_, labels_),
          canvas_(window.DisplayName(), window.Id(), [&window] {
              return SDL_Point{window.Width(), window.Height()};
          }) {
        UpdateInteriorSize();
        if (!labels_.AllTextCovered()) {
            std::cerr << "Bumblorbs: no installed font can draw all of the window's text; "
                         "install the Debian package fonts-ipafont-gothic\n";
        }
    }

    void Run() {
        StartScene(scene_, services_);
        scene_.MarkAllDamaged();
        while (endRequested == 0 && !services_.Unloaded()) {
            SyncTimer();
            const std::int64_t deadline =
                schedule_.Running() ? schedule_.NextDueNs() : NowNs() + IdleWaitNs;
            const SaverWindow::Changes changes = window_.WaitUntil(deadline);
            if (changes.Gone || endRequested != 0) {
                return;
            }
            if (changes.Resized) {
                UpdateInteriorSize();
            }
            if (changes.Resized || changes.Exposed) {
                scene_.MarkAllDamaged();
            }
            if (schedule_.TakeDue(NowNs())) {
                StepBalls(scene_, services_);
            }
            if (scene_.PendingDamage().Any()) {
                canvas_.Present(painter_, scene_, scene_.TakeDamage());
            }
        }
    }

private:
    // Follows Timer1's settings: ticks only while it is enabled with an
    // interval above zero.
    void SyncTimer() {
        const AnimationTimer& timer = scene_.Timer1();
        if (!timer.Ticking()) {
            schedule_.Stop();
        } else if (schedule_.PeriodNs() != TickPeriodNs(timer.Interval)) {
            schedule_.Start(NowNs(), TickPeriodNs(timer.Interval));
        }
    }

    void UpdateInteriorSize() {
        scene_.SetInteriorSize(
            {mapping_.ToTwips(window_.Width()), mapping_.ToTwips(window_.Height())});
    }

    SaverWindow& window_;
    PixelMapping mapping_;
    Scene scene_;
    DesktopServices services_;
    LabelText labels_;
    ScenePainter painter_;
    X11TileCanvas canvas_;
    TickSchedule schedule_;
};

}  // namespace

int RunSaver(std::optional<unsigned long> id) {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        std::cerr << "Bumblorbs: as a screen saver the toy needs an X display, and DISPLAY is "
                     "not set\n";
        return 2;
    }
    HearEndingSignals();
    try {
        SaverWindow window(display, id);
        const FontSession fonts;
        SaverScreen screen(window);
        screen.Run();
    } catch (const NoSuchWindow& fault) {
        std::cerr << "Bumblorbs: " << fault.what() << '\n';
        return 2;
    } catch (const std::exception& fault) {
        std::cerr << "Bumblorbs: fatal error: " << fault.what() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace bumblorbs
