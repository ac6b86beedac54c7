#include "host/x11/visual_image_canvas.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdlib>
#include <string>

#include "host/core/host_fault.h"
#include "host/core/owned_handle.h"
#include "host/sdl_core/sdl_handles.h"
#include "host/sdl_core/surface_view.h"
#include "host/x11/pixel_packing.h"
#include "host/x11/server_gc.h"
#include "host/x11/x11_window.h"

namespace bumblorbs {
namespace {

// XDestroyImage is a macro; it frees the image's pixels too.
void DestroyImage(XImage* image) { XDestroyImage(image); }
using ImageHandle = OwnedHandle<XImage, DestroyImage>;

std::string SizeText(int width, int height) {
    return std::to_string(width) + "x" + std::to_string(height);
}

}  // namespace

// What the window is drawn from: the scene painted at 0x00RRGGBB, and the
// same pixels in the visual's format, each as large as the window.
class VisualImageCanvas::Images {
public:
    explicit Images(const X11Window& target)
        : target_(target),
          attributes_(AttributesOf(target)),
          packing_(attributes_.visual->red_mask, attributes_.visual->green_mask,
                   attributes_.visual->blue_mask, attributes_.depth),
          gc_(MakeGC(target.Connection, target.Id)) {}

    void Present(SceneFrame& frame, SDL_Point size) {
        if (size.x <= 0 || size.y <= 0) {
            return;
        }
        if (!painted_ || painted_->w != size.x || painted_->h != size.y) {
            Resize(size);
        }
        for (const PixelRect& rect : frame.PaintWhole(ViewOf(painted_.get()))) {
            Convert(rect);
            XPutImage(target_.Connection, target_.Id, gc_->Context, image_.get(), rect.x, rect.y,
                      rect.x, rect.y, static_cast<unsigned>(rect.w), static_cast<unsigned>(rect.h));
        }
    }

private:
    // New copies at the window's new size, which the resize's full repaint fills.
    void Resize(SDL_Point size) {
        image_.reset();
        painted_.reset(
            SDL_CreateRGBSurfaceWithFormat(0, size.x, size.y, 32, SDL_PIXELFORMAT_ARGB8888));
        if (!painted_) {
            throw HostFault("cannot make a " + SizeText(size.x, size.y) +
                            " canvas for the window: " + SDL_GetError());
        }
        // Xlib picks the bits per pixel and the byte order the server
        // keeps for the visual's depth.
        image_.reset(XCreateImage(target_.Connection, attributes_.visual,
                                  static_cast<unsigned>(attributes_.depth), ZPixmap, 0, nullptr,
                                  static_cast<unsigned>(size.x), static_cast<unsigned>(size.y),
                                  BitmapPad(target_.Connection), 0));
        if (!image_) {
            throw HostFault("cannot make a " + SizeText(size.x, size.y) +
                            " image for the window's visual (XCreateImage)");
        }
        image_->data = static_cast<char*>(std::calloc(
            static_cast<std::size_t>(image_->bytes_per_line) * static_cast<std::size_t>(size.y),
            1));
        if (image_->data == nullptr) {
            throw HostFault("out of memory for a " + SizeText(size.x, size.y) +
                            " image for the window");
        }
    }

    // The painted rectangle, in the visual's pixels.
    void Convert(const PixelRect& rect) {
        XImage* image = image_.get();
        const PixelView painted = ViewOf(painted_.get());
        for (int y = rect.y; y < rect.y + rect.h; ++y) {
            const std::uint32_t* row = painted.WordRow(y);
            for (int x = rect.x; x < rect.x + rect.w; ++x) {
                XPutPixel(image, x, y, packing_.Pack(row[x]));
            }
        }
    }

    X11Window target_;
    XWindowAttributes attributes_;
    PixelPacking packing_;
    GCHandle gc_;
    SurfaceHandle painted_;
    ImageHandle image_;
};

bool VisualImageCanvas::Takes(const X11Window& target) {
    return AttributesOf(target).visual->c_class == TrueColor;
}

VisualImageCanvas::VisualImageCanvas(const X11Window& target, std::function<SDL_Point()> pixelSize)
    : pixelSize_(std::move(pixelSize)), images_(std::make_unique<Images>(target)) {}

VisualImageCanvas::~VisualImageCanvas() = default;

void VisualImageCanvas::Present(SceneFrame& frame) { images_->Present(frame, pixelSize_()); }

}  // namespace bumblorbs
