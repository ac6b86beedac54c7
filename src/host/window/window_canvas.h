#pragma once

#include "host/paint/scene_frame.h"

namespace bumblorbs {

// Puts the damaged parts of the scene on the window, at its real pixels:
// the frame plans and paints them, the canvas says where.
class WindowCanvas {
public:
    virtual ~WindowCanvas() = default;

    virtual void Present(SceneFrame& frame) = 0;
};

}  // namespace bumblorbs
