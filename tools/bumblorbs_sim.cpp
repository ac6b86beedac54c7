// Runs the toy's own start-up and motion with no display and prints what
// happened as CSV, one record a line: for golden tests, for exploring edge
// cases and for benchmarks. `bumblorbs-sim --help` describes the records.

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "behaviour/resize_interior.h"
#include "behaviour/start_scene.h"
#include "behaviour/step_balls.h"
#include "host/core/headless_services.h"
#include "host/core/output_check.h"
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

// A CSV field: quoted, its quotes doubled, where it holds a separator, a
// quote or a line break, as the count's caption does with its group separator.
std::string Field(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

void Run(const SimArguments& args) {
    Scene scene(DesignedLayout);
    scene.SetInteriorSize(args.Interior);
    HeadlessServices services(args.ClockSeconds);
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
                ResizeInterior(scene, resize.Interior);
            }
        }
        StepBalls(scene, services);
        std::printf("tick,%ld,%" PRId64 ",%" PRId64 ",%s\n", tick, scene.BounceCount(),
                    services.TakeBeeps(), Field(scene.Label(LabelId::Label2).Caption).c_str());
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
    std::string problem;
    const auto parsed = bumblorbs::ParseSimArguments(args, problem);
    if (!parsed) {
        std::fprintf(stderr,
                     "bumblorbs-sim: %s\nTry 'bumblorbs-sim --help' for more information.\n",
                     problem.c_str());
        return 2;
    }
    if (parsed->Help) {
        std::fputs(bumblorbs::SimUsage().c_str(), stdout);
    } else {
        bumblorbs::Run(*parsed);
    }
    return bumblorbs::StandardOutputWritten("bumblorbs-sim") ? 0 : 1;
}
