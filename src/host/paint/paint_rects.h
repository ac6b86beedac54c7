#pragma once

#include <array>
#include <cstddef>

#include "host/core/pixel_rect.h"
#include "scene/scene.h"

namespace bumblorbs {

// The rectangles of the window a paint covers: at most one for each ball
// and label, held in place, so that a steady frame allocates nothing.
class PaintRects {
public:
    void push_back(const PixelRect& rect) { rects_[count_++] = rect; }
    const PixelRect& operator[](std::size_t i) const { return rects_[i]; }
    const PixelRect* data() const { return rects_.data(); }
    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    const PixelRect* begin() const { return rects_.data(); }
    const PixelRect* end() const { return rects_.data() + count_; }

private:
    std::array<PixelRect, BallCount + LabelCount> rects_{};
    std::size_t count_ = 0;
};

}  // namespace bumblorbs
