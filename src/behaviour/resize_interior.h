#pragma once

#include "scene/scene.h"
#include "scene/units.h"

namespace bumblorbs {

// Tells the scene its interior's new size, between ticks. Where an axis
// shrank, a ball whose box now lies beyond the far edge on that axis, and
// whose box fits the new size, is moved back just inside it: left there it
// would be turned on every tick, swinging in place, counting bounces that
// never happened and beeping without end. A box that cannot fit is left
// where it is, so a minimised window's empty interior moves nothing, and an
// axis that did not shrink is not touched. Steps, count and sound are not.
void ResizeInterior(Scene& scene, TwipSize interior);

}  // namespace bumblorbs
