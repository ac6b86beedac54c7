// How many pixels the Windows program copies to the screen each tick: the
// rectangles the painter gives for each tick's damage, which are all that
// its DIB canvas copies. The scene runs as the program runs it, at
// 1280x720 and 96 dpi, with the text drawn by GDI; runs under Wine.
//   wine64 build-windows/bench/windows/present_pixels.exe [TICKS]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "behaviour/start_scene.h"
#include "behaviour/step_balls.h"
#include "host/core/headless_services.h"
#include "host/paint/pixel_view.h"
#include "host/paint/scene_painter.h"
#include "host/text/label_text.h"
#include "host/win32/gdi_glyph_source.h"
#include "scene/designed_layout.h"

int main(int argc, char** argv) {
    using namespace bumblorbs;
    const int ticks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 640;
    constexpr int Width = 1280;
    constexpr int Height = 720;
    const PixelMapping mapping(TwipsPerPixelAt(DefaultDpi));
    Scene scene(DesignedLayout);
    scene.SetInteriorSize({mapping.ToTwips(Width), mapping.ToTwips(Height)});
    HeadlessServices services(43200);
    GdiGlyphSources fonts;
    LabelText labels(scene, mapping, ",", fonts);
    ScenePainter painter(mapping, labels);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(Width) * Height);
    const PixelView target = PackedWords(pixels.data(), Width, Height);
    StartScene(scene, services);
    painter.Paint(target, scene, scene.TakeDamage());
    std::vector<long> perTick;
    for (int tick = 0; tick < ticks; ++tick) {
        StepBalls(scene, services);
        long sent = 0;
        for (const PixelRect& rect : painter.Paint(target, scene, scene.TakeDamage())) {
            sent += static_cast<long>(rect.w) * rect.h;
        }
        perTick.push_back(sent);
    }
    std::sort(perTick.begin(), perTick.end());
    const auto at = [&](double share) {
        return perTick[static_cast<std::size_t>(share * static_cast<double>(perTick.size() - 1))];
    };
    std::printf("pixels to the screen per tick over %d ticks at %dx%d: median %ld, 90th %ld, "
                "most %ld (%.2f%% of the window at the median)\n",
                ticks, Width, Height, at(0.5), at(0.9), perTick.back(),
                100.0 * static_cast<double>(at(0.5)) / (Width * Height));
    return 0;
}
