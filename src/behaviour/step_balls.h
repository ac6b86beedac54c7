#pragma once

#include <string_view>

#include "behaviour/host_services.h"
#include "scene/scene.h"

namespace bumblorbs {

// How Label2 shows the bounce count.
inline constexpr std::string_view CountPattern = "#,###";

// One animation tick: moves every ball by its step, reversing a step at the
// interior's edges, counting each reversal and beeping for ball 0.
void StepBalls(Scene& scene, HostServices& host);

}  // namespace bumblorbs
