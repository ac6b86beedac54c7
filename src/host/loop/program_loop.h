#pragma once

#include <memory>
#include <string>

#include "host/core/pixel_mapping.h"
#include "host/core/tick_report.h"
#include "host/core/tick_schedule.h"
#include "host/loop/loop_services.h"
#include "host/paint/scene_painter.h"
#include "host/text/label_text.h"
#include "host/window/host_window.h"
#include "scene/scene.h"

namespace bumblorbs {

// The window form1, on whichever window system shows it: its scene, the
// timer that drives it, the mouse that reaches it, and its painting. The
// window, the platform's services and the labels' glyphs are handed in.
class ProgramLoop final : private WindowEvents {
public:
    ProgramLoop(HostWindow& window, LoopServices& services, GlyphSources& fonts);

    // Whether the glyphs found draw all of the window's text.
    bool AllTextCovered() const { return drawing_->Labels.AllTextCovered(); }

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
    void Released(MouseButton button, ShiftKeys keys, float x, float y) override;
    void Reshaped() override;
    void Exposed() override;
    void Hidden() override;
    void Restored() override;

    HostWindow& window_;
    LoopServices& services_;
    GlyphSources& fonts_;
    Scene scene_;
    std::unique_ptr<Drawing> drawing_;
    TickSchedule schedule_;
    TickReport tickReport_{TickReportPeriodNs};
    bool minimised_ = false;
};

}  // namespace bumblorbs
