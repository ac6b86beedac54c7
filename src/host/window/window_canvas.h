#pragma once

#include "host/paint/scene_painter.h"

namespace bumblorbs {

// Puts the damaged parts of the scene on the window, at its real pixels.
class WindowCanvas {
public:
    virtual ~WindowCanvas() = default;

    virtual void Present(ScenePainter& painter, const Scene& scene, const Damage& damage) = 0;
};

}  // namespace bumblorbs
