#include "behaviour/start_scene.h"

namespace bumblorbs {
namespace {

// A whole number from 1 to `span`, drawn from the host's generator. The
// product is taken in double so that no draw rounds up to span itself.
float RandomStep(HostServices& host, int span) {
    return static_cast<float>(host.Floor(static_cast<double>(host.NextRandom()) * span) + 1);
}

// A colour component from 21 to 255: no ball gets a channel darker than 21.
int RandomBallComponent(HostServices& host) {
    return static_cast<int>(host.Floor(static_cast<double>(host.NextRandom()) * 235) + 21);
}

}  // namespace

void StartScene(Scene& scene, HostServices& host) {
    host.SeedRandom(host.SecondsSinceMidnight());
    for (int i = 0; i < BallCount; ++i) {
        scene.SpeedX(i) = RandomStep(host, 200);
        scene.SpeedY(i) = RandomStep(host, 200);
    }
    // Ball 0 keeps its designed red.
    for (int i = 1; i < BallCount; ++i) {
        host.SeedRandom(host.SecondsSinceMidnight());
        const int red = RandomBallComponent(host);
        const int green = RandomBallComponent(host);
        const int blue = RandomBallComponent(host);
        scene.SetBallBackColor(i, host.MakeColour(red, green, blue));
    }
    scene.SetTimerInterval(1);
    scene.SetTimerEnabled(true);
}

}  // namespace bumblorbs
