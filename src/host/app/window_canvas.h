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
// canvas's own (X11TileCanvas), where the window's visual is 24-bit
// TrueColor; on any other visual, SDL's window surface, converted to the
// visual's pixels, which is slower; on Wayland, shared-memory buffers at the
// output's real pixels (WaylandShmCanvas): SDL's own window surface there is
// kept at the window's size in points, scaled up by GL, which blurs a scaled
// output and, without a GPU, costs a core. Under any other video driver, a
// surface of ours uploaded to a streaming texture.
std::unique_ptr<WindowCanvas> MakeWindowCanvas(SDL_Window* window);

}  // namespace bumblorbs
