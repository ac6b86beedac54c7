#pragma once

#include <SDL.h>

#include <functional>
#include <memory>

#include "host/window/window_canvas.h"

namespace bumblorbs {

struct X11Window;

// Paints a window of a TrueColor visual that the tiles cannot take (16,
// 15 or 30 bits, or other masks): the scene is painted into a surface of
// ours, and each painted rectangle is converted into an image in the
// visual's own pixels and put over the window's connection. Slower than
// the tiles, and it keeps two copies of the window, but it draws on any
// TrueColor visual.
class VisualImageCanvas final : public WindowCanvas {
public:
    // Whether the window's visual is TrueColor, which this canvas draws on.
    static bool Takes(const X11Window& target);

    // `pixelSize` tells how large the window is now.
    VisualImageCanvas(const X11Window& target, std::function<SDL_Point()> pixelSize);
    ~VisualImageCanvas() override;
    VisualImageCanvas(const VisualImageCanvas&) = delete;
    VisualImageCanvas& operator=(const VisualImageCanvas&) = delete;

    void Present(SceneFrame& frame) override;

private:
    class Images;
    std::function<SDL_Point()> pixelSize_;
    std::unique_ptr<Images> images_;
};

}  // namespace bumblorbs
