// The cost of one animation tick: the rules alone, and the rules with the
// repaint of what they changed into tiles, as the X11 window gets them, or
// into a picture of the whole window, as the SDL and Windows canvases
// paint it.
//   build/bench/bench_step_balls

#include <benchmark/benchmark.h>

#include <vector>

#include "behaviour/start_scene.h"
#include "behaviour/step_balls.h"
#include "host/core/headless_services.h"
#include "host/paint/pixel_view.h"
#include "host/paint/scene_painter.h"
#include "host/paint/tile_composer.h"
#include "host/text/label_text.h"
#include "host/ttf/ttf_glyph_source.h"

namespace bumblorbs {
namespace {

constexpr Twips TwipsPerPixel = TwipsPerPixelAt(DefaultDpi);

// The designed scene started on a screen of the given size.
struct StartedScene {
    StartedScene(int width, int height) {
        scene.SetInteriorSize({static_cast<Twips>(width) * TwipsPerPixel,
                               static_cast<Twips>(height) * TwipsPerPixel});
        StartScene(scene, services);
    }
    Scene scene{DesignedLayout};
    HeadlessServices services{43200};
};

// A started scene with what paints it, its first frame not yet painted.
struct PaintedScene : StartedScene {
    PaintedScene(int width, int height) : StartedScene(width, height) {}
    PixelMapping mapping{TwipsPerPixel};
    TtfGlyphSources fonts;
    LabelText labels{scene, mapping, ",", fonts};
    ScenePainter painter{mapping, labels};
};

void StepBallsOnly(benchmark::State& state) {
    StartedScene started(1920, 1080);
    for (auto _ : state) {
        StepBalls(started.scene, started.services);
        started.scene.TakeDamage();
        benchmark::DoNotOptimize(started.scene.BounceCount());
    }
}
BENCHMARK(StepBallsOnly);

// Tiles composed in one buffer of the canvas's size and then dropped, and
// plain areas left to the server, as the X11 canvas does: the cost of
// composing, without the server's. Counts what it gets.
class DroppingSink final : public TileSink {
public:
    std::size_t MaxTilePixels() const override { return room_.size(); }
    std::uint32_t* Room(std::size_t pixels) override {
        composedPixels += pixels;
        return room_.data();
    }
    void Send(const Tile& tile) override { benchmark::DoNotOptimize(tile.Pixels); }
    bool PaintPlain(const PaintPlan& /*plan*/, const PixelRect& /*area*/,
                    const PlainArea& /*plain*/, const BallSprite* sprite,
                    std::uint32_t /*background*/) override {
        ++plainAreas;
        benchmark::DoNotOptimize(sprite);
        return true;
    }
    void EndFrame() override {}

    std::size_t composedPixels = 0;
    std::size_t plainAreas = 0;

private:
    std::vector<std::uint32_t> room_ = std::vector<std::uint32_t>(128 * 1024);
};

// A tick and its repaint into tiles on a screen of the given size: the cost
// follows the balls, not the screen. Reports the pixels composed and the
// plain areas left to the server, each a tick.
void StepAndRepaintIntoTiles(benchmark::State& state) {
    const auto width = static_cast<int>(state.range(0));
    const auto height = static_cast<int>(state.range(1));
    PaintedScene painted(width, height);
    Scene& scene = painted.scene;
    DroppingSink sink;
    ComposeTiles(painted.painter, scene,
                 painted.painter.Plan(scene, scene.TakeDamage(), width, height), sink);
    sink.composedPixels = 0;
    sink.plainAreas = 0;
    for (auto _ : state) {
        StepBalls(scene, painted.services);
        ComposeTiles(painted.painter, scene,
                     painted.painter.Plan(scene, scene.TakeDamage(), width, height), sink);
    }
    state.counters["composed_px"] = benchmark::Counter(static_cast<double>(sink.composedPixels),
                                                       benchmark::Counter::kAvgIterations);
    state.counters["plain_areas"] = benchmark::Counter(static_cast<double>(sink.plainAreas),
                                                       benchmark::Counter::kAvgIterations);
}
BENCHMARK(StepAndRepaintIntoTiles)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMicrosecond);

// A tick and its repaint into a picture that holds the whole window, of the
// given size: rows far apart, as in the SDL canvases' surfaces and the
// Windows canvas's DIB.
void StepAndRepaintWholePicture(benchmark::State& state) {
    const auto width = static_cast<int>(state.range(0));
    const auto height = static_cast<int>(state.range(1));
    PaintedScene painted(width, height);
    Scene& scene = painted.scene;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) *
                                      static_cast<std::size_t>(height));
    const PixelView picture = PackedWords(pixels.data(), width, height);
    painted.painter.Paint(picture, scene, scene.TakeDamage());
    for (auto _ : state) {
        StepBalls(scene, painted.services);
        benchmark::DoNotOptimize(painted.painter.Paint(picture, scene, scene.TakeDamage()).size());
    }
}
BENCHMARK(StepAndRepaintWholePicture)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace bumblorbs
