#pragma once

#include "behaviour/host_services.h"
#include "scene/scene.h"

namespace bumblorbs {

// Runs once, after the scene is built and before the window is shown: gives
// every ball a random step, balls 1..59 a random fill, and starts Timer1.
void StartScene(Scene& scene, HostServices& host);

}  // namespace bumblorbs
