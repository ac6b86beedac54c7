// The cost of one animation tick: the rules alone, and the rules with the
// repaint of what they changed.
//   build/bench/bench_step_balls

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <optional>

#include "behaviour/start_scene.h"
#include "behaviour/step_balls.h"
#include "host/app/video_session.h"
#include "host/core/headless_services.h"
#include "host/paint/scene_painter.h"
#include "host/text/label_text.h"

namespace bumblorbs {
namespace {

constexpr Twips TwipsPerPixel = TwipsPerPixelAt(DefaultDpi);

void StepBallsOnly(benchmark::State& state) {
    Scene scene(DesignedLayout);
    scene.SetInteriorSize({1920 * TwipsPerPixel, 1080 * TwipsPerPixel});
    HeadlessServices services(43200);
    StartScene(scene, services);
    for (auto _ : state) {
        StepBalls(scene, services);
        scene.TakeDamage();
        benchmark::DoNotOptimize(scene.BounceCount());
    }
}
BENCHMARK(StepBallsOnly);

// A tick and its repaint into a window surface of the given size, through
// SDL's offscreen driver: the cost should follow the balls, not the screen.
void StepAndRepaint(benchmark::State& state) {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    const auto width = static_cast<int>(state.range(0));
    const auto height = static_cast<int>(state.range(1));
    VideoSession video;
    WindowHandle window(SDL_CreateWindow("bench", 0, 0, width, height, SDL_WINDOW_HIDDEN));
    Scene scene(DesignedLayout);
    scene.SetInteriorSize(
        {static_cast<Twips>(width) * TwipsPerPixel, static_cast<Twips>(height) * TwipsPerPixel});
    HeadlessServices services(43200);
    StartScene(scene, services);
    const PixelMapping mapping(TwipsPerPixel);
    LabelText labels(scene, mapping, ",");
    ScenePainter painter(mapping, labels);
    SDL_Surface* surface = SDL_GetWindowSurface(window.get());
    painter.Paint(surface, scene, scene.TakeDamage());
    for (auto _ : state) {
        StepBalls(scene, services);
        benchmark::DoNotOptimize(painter.Paint(surface, scene, scene.TakeDamage()));
    }
}
BENCHMARK(StepAndRepaint)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace bumblorbs
