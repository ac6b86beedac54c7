#include "host/paint/pixel_ops.h"

#include <algorithm>

namespace bumblorbs {
namespace {

// Each channel weighed by the source's alpha and the target's by its
// complement, each product floored to 1/256ths, the sum saturated; the
// alpha channel takes the whole source alpha. An opaque pixel is copied.
std::uint32_t BlendWord(std::uint32_t source, std::uint32_t target) {
    const std::uint32_t alpha = source >> 24U;
    if (alpha == 0) {
        return target;
    }
    if (alpha == 255) {
        return source;
    }
    std::uint32_t blended = 0;
    for (std::uint32_t shift = 0; shift < 32; shift += 8) {
        const std::uint32_t weight = shift == 24 ? 255 : alpha;
        const std::uint32_t channel = ((((source >> shift) & 0xFFU) * weight) >> 8U) +
                                      ((((target >> shift) & 0xFFU) * (255 - alpha)) >> 8U);
        blended |= std::min<std::uint32_t>(channel, 255) << shift;
    }
    return blended;
}

// The alpha in five bits; all three channels blended at once, spread apart
// in one word as green, red, blue.
std::uint16_t BlendShort(std::uint32_t source, std::uint16_t target) {
    const std::uint32_t alpha = source >> 27U;
    if (alpha == 0) {
        return target;
    }
    if (alpha == 31) {
        return static_cast<std::uint16_t>(((source >> 8U) & 0xF800U) + ((source >> 5U) & 0x7E0U) +
                                          ((source >> 3U) & 0x1FU));
    }
    const std::uint32_t spread =
        ((source & 0xFC00U) << 11U) + ((source >> 8U) & 0xF800U) + ((source >> 3U) & 0x1FU);
    std::uint32_t blended = (target | static_cast<std::uint32_t>(target) << 16U) & 0x07E0F81FU;
    blended += (spread - blended) * alpha >> 5U;
    blended &= 0x07E0F81FU;
    return static_cast<std::uint16_t>(blended | blended >> 16U);
}

}  // namespace

std::uint32_t PixelOf(Colour colour, PixelFormat format) {
    const auto red = static_cast<std::uint32_t>(RedOf(colour));
    const auto green = static_cast<std::uint32_t>(GreenOf(colour));
    const auto blue = static_cast<std::uint32_t>(BlueOf(colour));
    switch (format) {
        case PixelFormat::Xrgb8888: return red << 16U | green << 8U | blue;
        case PixelFormat::Argb8888: return 0xFF000000U | red << 16U | green << 8U | blue;
        case PixelFormat::Rgb565: break;
    }
    return (red >> 3U) << 11U | (green >> 2U) << 5U | blue >> 3U;
}

void FillArea(const PixelView& target, const PixelRect& area, std::uint32_t pixel) {
    for (int y = area.y; y < area.y + area.h; ++y) {
        if (target.HasWordPixels()) {
            std::fill_n(target.WordRow(y) + area.x, area.w, pixel);
        } else {
            std::fill_n(target.ShortRow(y) + area.x, area.w, static_cast<std::uint16_t>(pixel));
        }
    }
}

void BlendImage(const PixelView& target, const PixelRect& clip, const ArgbImage& image,
                PixelPoint at) {
    PixelRect visible;
    if (!Intersect({at.x, at.y, image.Width, image.Height}, clip, visible)) {
        return;
    }
    for (int y = visible.y; y < visible.y + visible.h; ++y) {
        const std::uint32_t* from = image.Row(y - at.y);
        for (int x = visible.x; x < visible.x + visible.w; ++x) {
            const std::uint32_t source = from[x - at.x];
            if (target.HasWordPixels()) {
                std::uint32_t& to = target.WordRow(y)[x];
                to = BlendWord(source, to);
            } else {
                std::uint16_t& to = target.ShortRow(y)[x];
                to = BlendShort(source, to);
            }
        }
    }
}

RectsAround AroundHole(const PixelRect& area, const PixelRect& hole) {
    RectsAround around;
    const auto add = [&](int left, int top, int right, int bottom) {
        if (left < right && top < bottom) {
            around.Rects[around.Count++] = {left, top, right - left, bottom - top};
        }
    };
    const int areaRight = area.x + area.w;
    const int areaBottom = area.y + area.h;
    if (hole.Empty()) {
        add(area.x, area.y, areaRight, areaBottom);
        return around;
    }
    const int holeRight = hole.x + hole.w;
    const int holeBottom = hole.y + hole.h;
    add(area.x, area.y, areaRight, hole.y);
    add(area.x, hole.y, hole.x, holeBottom);
    add(holeRight, hole.y, areaRight, holeBottom);
    add(area.x, holeBottom, areaRight, areaBottom);
    return around;
}

}  // namespace bumblorbs
