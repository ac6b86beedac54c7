// The X11 tile canvas on a real X server: after every tick the window, read
// back from the server, shows exactly what a full repaint of the scene
// paints. Any damage the tiles miss shows here, and any ball image kept
// from before the background or the scale changed. Run by with_xvfb.sh.

// clang-format off
// GoogleTest comes first: Xlib's macros (None, Bool) clash with its names.
#include <gtest/gtest.h>
#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
// clang-format on

#include "behaviour/start_scene.h"
#include "behaviour/step_balls.h"
#include "host/core/headless_services.h"
#include "host/sdl/video_session.h"
#include "host/sdl_core/sdl_handles.h"
#include "host/sdl_core/surface_view.h"
#include "host/ttf/ttf_glyph_source.h"
#include "host/x11/x11_tile_canvas.h"
#include "host/x11/x11_window.h"

namespace bumblorbs {
namespace {

constexpr int Width = 400;
constexpr int Height = 300;

TEST(X11TileCanvasTest, AfterEveryTickTheWindowShowsAFullRepaint) {
    const VideoSession video;
    const WindowHandle window(
        SDL_CreateWindow("tiles", 0, 0, Width, Height, SDL_WINDOW_BORDERLESS));
    ASSERT_TRUE(window);
    const auto x11 = X11WindowOf(window.get());
    ASSERT_TRUE(x11) << "not on X11";
    Display* display = x11->Connection;

    const PixelMapping mapping(TwipsPerPixelAt(DefaultDpi));
    Scene scene(DesignedLayout);
    scene.SetInteriorSize({mapping.ToTwips(Width), mapping.ToTwips(Height)});
    HeadlessServices host(43200.5F);
    StartScene(scene, host);
    TtfGlyphSources fonts;
    LabelText labels(scene, mapping, ",", fonts);
    // From tick 160 the scene is painted at twice the scale, as after a
    // move to a scaled output: every ball's image is larger.
    const PixelMapping doubled(TwipsPerPixelAt(2 * DefaultDpi));
    LabelText doubledLabels(scene, doubled, ",", fonts);
    ScenePainter normalPainter(mapping, labels);
    ScenePainter doubledPainter(doubled, doubledLabels);
    X11TileCanvas canvas(window.get());
    const SurfaceHandle expected(
        SDL_CreateRGBSurfaceWithFormat(0, Width, Height, 32, SDL_PIXELFORMAT_XRGB8888));
    Damage everything;
    everything.Everything = true;

    for (int tick = 0; tick < 200; ++tick) {
        StepBalls(scene, host);
        if (tick == 120) {
            scene.SetBackColor(MakeColour(40, 90, 160));
        }
        ScenePainter& painter = tick < 160 ? normalPainter : doubledPainter;
        Damage damage = scene.TakeDamage();
        damage.Everything = damage.Everything || tick == 160;
        SceneFrame frame(painter, scene, damage);
        canvas.Present(frame);
        canvas.Finish();
        painter.Paint(ViewOf(expected.get()), scene, everything);
        XImage* shown = XGetImage(display, x11->Id, 0, 0, Width, Height, AllPlanes, ZPixmap);
        ASSERT_NE(shown, nullptr);
        int differing = 0;
        for (int y = 0; y < Height; ++y) {
            for (int x = 0; x < Width; ++x) {
                const auto pixel = static_cast<std::uint32_t>(XGetPixel(shown, x, y));
                differing +=
                    ((pixel ^ ViewOf(expected.get()).WordRow(y)[x]) & 0xFFFFFFU) != 0 ? 1 : 0;
            }
        }
        XDestroyImage(shown);
        ASSERT_EQ(differing, 0) << "after tick " << tick;
    }
    EXPECT_GT(scene.BounceCount(), 0);
}

}  // namespace
}  // namespace bumblorbs
