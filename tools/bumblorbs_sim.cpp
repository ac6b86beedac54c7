// Runs the toy's own start-up and motion with no display and prints what
// happened, one comma-separated record a line: for golden tests, for
// exploring edge cases and for benchmarks.

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "behaviour/start_scene.h"
#include "behaviour/step_balls.h"
#include "host/core/headless_services.h"
#include "scene/scene.h"
#include "tools/sim_arguments.h"

namespace bumblorbs {
namespace {

std::string Number(double value) {
    char text[32];
    if (value == std::trunc(value) && std::fabs(value) < 9.0e15) {
        std::snprintf(text, sizeof text, "%.0f", value);
    } else {
        std::snprintf(text, sizeof text, "%.9g", value);
    }
    return text;
}

void Run(const SimArguments& args) {
    Scene scene(DesignedLayout);
    scene.SetInteriorSize(args.Interior);
    HeadlessServices services(args.Clock);
    StartScene(scene, services);
    for (int i = 0; i < BallCount; ++i) {
        const Ball& ball = scene.Shape1(i);
        std::printf("ball,%d,%s,%s,%s,%s,%s,%s,0x%08X,0x%08X\n", i, Number(ball.Left).c_str(),
                    Number(ball.Top).c_str(), Number(ball.Width).c_str(),
                    Number(ball.Height).c_str(), Number(scene.SpeedX(i)).c_str(),
                    Number(scene.SpeedY(i)).c_str(), ball.BackColor, ball.BorderColor);
    }
    for (long tick = 1; tick <= args.Ticks; ++tick) {
        for (const Resize& resize : args.Resizes) {
            if (resize.Tick == tick) {
                scene.SetInteriorSize(resize.Interior);
            }
        }
        StepBalls(scene, services);
        std::printf("tick,%ld,%" PRId64 ",%" PRId64 ",%s\n", tick, scene.BounceCount(),
                    services.TakeBeeps(), scene.Label(LabelId::Label2).Caption.c_str());
    }
    for (int i = 0; i < BallCount; ++i) {
        const Ball& ball = scene.Shape1(i);
        std::printf("end,%d,%s,%s,%s,%s\n", i, Number(ball.Left).c_str(), Number(ball.Top).c_str(),
                    Number(scene.SpeedX(i)).c_str(), Number(scene.SpeedY(i)).c_str());
    }
}

}  // namespace
}  // namespace bumblorbs

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "--help") {
        std::fputs(bumblorbs::SimUsage, stdout);
        return 0;
    }
    std::string problem;
    const auto parsed = bumblorbs::ParseSimArguments(args, problem);
    if (!parsed) {
        std::fprintf(stderr, "bumblorbs-sim: %s\n%s", problem.c_str(), bumblorbs::SimUsage);
        return 2;
    }
    bumblorbs::Run(*parsed);
    return 0;
}
