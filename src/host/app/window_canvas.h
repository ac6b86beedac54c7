#pragma once

#include <SDL.h>

#include <memory>

#include "host/paint/scene_painter.h"

namespace bumblorbs {

// Puts the damaged parts of the scene on the window, at its real pixels.
class WindowCanvas {
public:
    virtual ~WindowCanvas() = default;

    virtual void Present(ScenePainter& painter, const Scene& scene, const Damage& damage) = 0;
};

// On X11, small tiles sent through shared memory on a connection of the
// canvas's own (X11TileCanvas). Elsewhere (Wayland) a surface of ours at the
// window's pixel size, whose changed rectangles are uploaded to a streaming
// texture: the window's own surface there is kept at its size in points and
// scaled up, which blurs a scaled output.
std::unique_ptr<WindowCanvas> MakeWindowCanvas(SDL_Window* window, bool x11);

}  // namespace bumblorbs
