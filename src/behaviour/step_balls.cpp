#include "behaviour/step_balls.h"

namespace bumblorbs {
namespace {

// Sums are made in double and rounded once to single before a comparison or
// a move, so that fractional positions compare exactly as they are stored.
float Single(double sum) { return static_cast<float>(sum); }

void CountReversal(Scene& scene, HostServices& host, int index) {
    const std::int64_t count = scene.CountBounce();
    scene.SetCaption(LabelId::Label2, host.FormatNumber(count, CountPattern));
    if (index == 0) {
        host.SoundBeep();
    }
}

}  // namespace

void StepBalls(Scene& scene, HostServices& host) {
    for (int i = 0; i < BallCount; ++i) {
        // Horizontally the present box is tested, with strictly greater: a
        // ball crosses the right edge on one tick and turns on the next.
        const Ball& ball = scene.Shape1(i);
        const bool hitRight =
            Single(static_cast<double>(ball.Width) + ball.Left) > scene.ScaleWidth();
        const bool hitLeft = ball.Left < 0;
        if (hitRight || hitLeft) {
            scene.ReverseSpeedX(i);
            CountReversal(scene, host, i);
        }

        // Vertically the next position is tested, with greater-or-equal, using
        // the step as it stood when this ball's turn began.
        const double stepY = scene.SpeedY(i);
        const bool hitBottom =
            Single(static_cast<double>(ball.Height) + ball.Top + stepY) >= scene.ScaleHeight();
        const bool hitTop = Single(static_cast<double>(ball.Top) + stepY) < 0;
        if (hitBottom || hitTop) {
            scene.ReverseSpeedY(i);
            CountReversal(scene, host, i);
        }

        scene.Move(i, Single(static_cast<double>(ball.Left) + scene.SpeedX(i)),
                   Single(static_cast<double>(ball.Top) + scene.SpeedY(i)));
    }
}

}  // namespace bumblorbs
