#pragma once

#include <memory>

#include "host/app/desktop_services.h"
#include "host/core/pixel_mapping.h"
#include "host/core/tick_report.h"
#include "host/core/tick_schedule.h"
#include "host/paint/scene_painter.h"
#include "host/text/label_text.h"
#include "host/ttf/ttf_glyph_source.h"
#include "host/window/host_window.h"
#include "scene/scene.h"

namespace bumblorbs {

class Beeper;

// The window form1 on the desktop: its scene, the timer that drives it, the
// mouse that reaches it, and its painting, on whichever window system shows
// it. Owns everything but the window itself and the sound.
class DesktopWindow final : private WindowEvents {
public:
    // `beeper` may be null: the toy then runs silently.
    DesktopWindow(HostWindow& window, Beeper* beeper);

    // Starts the scene, shows the window and delivers events until the
    // window is unloaded.
    void Run();

private:
    // What depends on the window's dots per inch, made again when they change.
    struct Drawing {
        Drawing(float dpi, const Scene& scene, const std::string& groupSeparator,
                GlyphSources& fonts);
        float Dpi;
        PixelMapping Mapping;
        LabelText Labels;
        ScenePainter Painter;
    };

    void SyncTimer();
    void Tick();
    void Paint();
    // Tells the scene the interior's size as the window system has it now,
    // at the window's dots per inch now.
    void UpdateInteriorSize();

    void CloseRequested() override;
    void Released(std::int16_t button, std::int16_t shift, float x, float y) override;
    void Reshaped() override;
    void Exposed() override;
    void Hidden() override;
    void Restored() override;

    HostWindow& window_;
    Scene scene_;
    DesktopServices services_;
    TtfGlyphSources fonts_;
    std::unique_ptr<Drawing> drawing_;
    TickSchedule schedule_;
    TickReport tickReport_{TickReportPeriodNs};
    bool minimised_ = false;
};

}  // namespace bumblorbs
