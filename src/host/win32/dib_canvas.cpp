#include "host/win32/dib_canvas.h"

#include <string>

#include "host/core/host_fault.h"
#include "host/paint/pixel_view.h"

namespace bumblorbs {

void DibCanvas::Attach(HWND window, int width, int height) {
    window_ = window;
    if (!picture_.Resize(width > 0 ? width : 1, height > 0 ? height : 1)) {
        throw HostFault("no memory for the window's picture of " + std::to_string(width) + "x" +
                        std::to_string(height) + " pixels");
    }
    picture_.Clear();
}

void DibCanvas::Present(SceneFrame& frame) {
    // GDI may still be reading the pixels for an earlier copy.
    GdiFlush();
    const PaintRects rects =
        frame.PaintWhole(PackedWords(picture_.Pixels(), picture_.Width(), picture_.Height()));
    HDC target = GetDC(window_);
    for (const PixelRect& rect : rects) {
        BitBlt(target, rect.x, rect.y, rect.w, rect.h, picture_.Dc(), rect.x, rect.y, SRCCOPY);
    }
    ReleaseDC(window_, target);
}

void DibCanvas::Blit(HDC target, const RECT& area) const {
    BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top,
           picture_.Dc(), area.left, area.top, SRCCOPY);
}

}  // namespace bumblorbs
