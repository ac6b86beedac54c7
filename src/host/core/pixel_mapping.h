#pragma once

#include <cmath>

#include "host/core/pixel_rect.h"
#include "scene/units.h"

namespace bumblorbs {

inline constexpr float DefaultDpi = 96.0F;

inline constexpr float TwipsPerPixelAt(float dpi) { return TwipsPerInch / dpi; }

// Twips to whole pixels for one display scale.
class PixelMapping {
public:
    explicit PixelMapping(float twipsPerPixel) : twipsPerPixel_(twipsPerPixel) {}

    int ToPixels(Twips length) const {
        return static_cast<int>(std::lround(length / twipsPerPixel_));
    }
    Twips ToTwips(double pixels) const { return static_cast<Twips>(pixels * twipsPerPixel_); }
    // Rounds the corners, not the size, so abutting rectangles stay abutting.
    PixelRect ToPixels(const TwipRect& rect) const {
        const int left = ToPixels(rect.Left);
        const int top = ToPixels(rect.Top);
        return {left, top, ToPixels(rect.Left + rect.Width) - left,
                ToPixels(rect.Top + rect.Height) - top};
    }
    // A point size in whole pixels, as the window's text is laid out.
    int FontPixels(float points) const {
        return static_cast<int>(std::lround(points * (TwipsPerInch / twipsPerPixel_) / 72.0F));
    }

private:
    float twipsPerPixel_;
};

}  // namespace bumblorbs
