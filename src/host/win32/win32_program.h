#pragma once

#include <memory>
#include <string>

#include "host/core/pixel_mapping.h"
#include "host/core/tick_schedule.h"
#include "host/paint/scene_painter.h"
#include "host/text/label_text.h"
#include "host/win32/gdi_glyph_source.h"
#include "host/win32/win32_services.h"
#include "host/window/host_window.h"
#include "scene/scene.h"

namespace bumblorbs {

// The window form1 on Windows: its scene, the timer that drives it, the
// mouse that reaches it, and its painting. Owns everything but the window
// and the sound.
class Win32Program final : private WindowEvents {
public:
    // `beep` may be null: the toy then runs silently.
    Win32Program(HostWindow& window, SystemBeep* beep);

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
    void UpdateInteriorSize();

    void CloseRequested() override { services_.UnloadWindow(); }
    void Released(std::int16_t button, std::int16_t shift, float x, float y) override;
    void Reshaped() override;
    void Exposed() override { scene_.MarkAllDamaged(); }
    void Hidden() override { minimised_ = true; }
    void Restored() override;

    HostWindow& window_;
    Scene scene_;
    Win32Services services_;
    std::string separator_;
    GdiGlyphSources fonts_;
    std::unique_ptr<Drawing> drawing_;
    TickSchedule schedule_;
    bool minimised_ = false;
};

}  // namespace bumblorbs
