#include "behaviour/start_scene.h"

#include "behaviour/random_draws.h"

namespace bumblorbs {

void StartScene(Scene& scene, HostServices& host) {
    host.SeedRandom(host.SecondsSinceMidnight());
    for (int i = 0; i < BallCount; ++i) {
        const auto speedX = static_cast<float>(RandomWhole(host, 1, 200));
        const auto speedY = static_cast<float>(RandomWhole(host, 1, 200));
        scene.SetSpeeds(i, speedX, speedY);
    }
    // Ball 0 keeps its designed red; no other ball gets a channel darker
    // than 21.
    for (int i = 1; i < BallCount; ++i) {
        host.SeedRandom(host.SecondsSinceMidnight());
        scene.SetBallBackColor(i, RandomColour(host, 21));
    }
    scene.SetTimerInterval(1);
    scene.SetTimerEnabled(true);
}

}  // namespace bumblorbs
