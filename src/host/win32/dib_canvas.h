#pragma once

#include <windows.h>

#include "host/win32/gdi_surface.h"
#include "host/window/window_canvas.h"

namespace bumblorbs {

// The window's picture, kept whole in a DIB section: each frame the painter
// paints the damaged parts into it and only those rectangles are copied to
// the screen; the window's own repaints copy from it whatever they ask for.
class DibCanvas final : public WindowCanvas {
public:
    // Paints into `window`'s interior of `size` pixels; again when it changes.
    void Attach(HWND window, int width, int height);

    void Present(SceneFrame& frame) override;
    // Copies `area` of the picture to `target`, the window's DC.
    void Blit(HDC target, const RECT& area) const;

private:
    HWND window_ = nullptr;
    GdiSurface picture_;
};

}  // namespace bumblorbs
