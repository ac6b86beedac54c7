#pragma once

#include "host/sdl_handles.h"
#include "scene/units.h"

namespace bumblorbs {

// A ball's circle, `diameter` pixels across: filled with `fill`, outlined one
// pixel wide in `border`, anti-aliased, transparent outside, ready to be
// blended onto the window.
SurfaceHandle DrawBallSprite(int diameter, Colour fill, Colour border);

}  // namespace bumblorbs
