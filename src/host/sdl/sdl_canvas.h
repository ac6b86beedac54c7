#pragma once

#include <SDL.h>

#include <memory>

#include "host/window/window_canvas.h"

namespace bumblorbs {

// On X11, small tiles sent through shared memory on a connection of the
// canvas's own (X11TileCanvas). Under any other SDL video driver, a surface
// of ours uploaded to a streaming texture.
std::unique_ptr<WindowCanvas> MakeSdlCanvas(SDL_Window* window);

}  // namespace bumblorbs
