#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "host/core/argb_image.h"
#include "host/core/pixel_rect.h"
#include "host/paint/pixel_view.h"
#include "scene/units.h"

namespace bumblorbs {

// A scene colour as an opaque pixel of the format.
std::uint32_t PixelOf(Colour colour, PixelFormat format);

// Fills `area` (already inside the picture) with a pixel of its format. For
// word pixels a plain row fill, quick on the many small rectangles of a tick.
void FillArea(const PixelView& target, const PixelRect& area, std::uint32_t pixel);

// Blends `image` over the target with its top-left corner at `at`, within
// `clip` (already inside the picture). Each pixel is weighed by its alpha
// as SDL's blits weigh it, so that pictures blended here match those of the
// SDL-drawn text they stand beside.
void BlendImage(const PixelView& target, const PixelRect& clip, const ArgbImage& image,
                PixelPoint at);

// The parts of `area` outside `hole`, which lies inside it: the rows above
// the hole, beside it on the left and on the right, and below it, leaving
// out empty parts; the whole area where the hole is empty.
struct RectsAround {
    std::array<PixelRect, 4> Rects{};
    std::size_t Count = 0;
};
RectsAround AroundHole(const PixelRect& area, const PixelRect& hole);

}  // namespace bumblorbs
