#pragma once

#include <X11/Xlib.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "host/core/owned_handle.h"
#include "host/core/pixel_rect.h"

namespace bumblorbs {

// Memory shared with the X server, which reads the images put from it
// straight out of it (MIT-SHM). While none is attached, puts go over the
// connection instead (XPutImage), as they must to a server on another
// machine. Pixels are 0x00RRGGBB.
class SharedImage {
public:
    SharedImage(Display* display, Visual* visual) : display_(display), visual_(visual) {}

    // Says where the server offers no shared memory at all.
    bool Offered();

    // Attaches memory for `pixels` pixels, in place of any attached before;
    // says false where the server refuses it.
    bool Attach(std::size_t pixels);
    void Detach() { segment_.reset(); }
    bool Attached() const { return segment_ != nullptr; }
    // What the last failed Attach was refused, for the user.
    const std::string& Refusal() const { return refusal_; }
    // The attached memory.
    std::uint32_t* Pixels() const;

    // Puts `to.w` x `to.h` pixels of the `width` x `height` image at
    // `pixels`, from `from` in it, at `to` in the window. While memory is
    // attached, the image must lie in it; `notify` then asks the server for
    // a completion notice once it has read it.
    void Put(Window window, GC gc, const std::uint32_t* pixels, int width, int height,
             PixelPoint from, const PixelRect& to, bool notify) const;

private:
    struct Segment;
    static void Release(Segment* segment);

    Display* display_;
    Visual* visual_;
    std::string refusal_;
    OwnedHandle<Segment, &SharedImage::Release> segment_;
};

}  // namespace bumblorbs
