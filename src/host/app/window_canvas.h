#pragma once

#include <SDL.h>

#include <memory>
#include <span>

namespace bumblorbs {

// Where the painter's pixels go, at the window's real pixel size, and how the
// changed rectangles reach the screen.
class WindowCanvas {
public:
    virtual ~WindowCanvas() = default;

    // The surface to paint into, as large as the window is now in pixels.
    // After a resize it is a new, blank one.
    virtual SDL_Surface* Surface() = 0;
    // Puts the given rectangles of the surface on the screen.
    virtual void Show(std::span<const SDL_Rect> rects) = 0;
};

// On X11 the window's own shared-memory surface, sent rectangle by
// rectangle. Elsewhere (Wayland) a surface of ours at the window's pixel
// size, whose changed rectangles are uploaded to a streaming texture: the
// window's own surface there is kept at its size in points and scaled up,
// which blurs a scaled output.
std::unique_ptr<WindowCanvas> MakeWindowCanvas(SDL_Window* window, bool x11);

}  // namespace bumblorbs
