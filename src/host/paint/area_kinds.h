#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "host/paint/paint_plan.h"

namespace bumblorbs {

// An area of the window where nothing needs blending: it shows the
// background and at most one ball, whose circle stands in `Square`, and no
// label. The common case: a ball moving across empty space.
struct PlainArea {
    std::optional<std::size_t> Ball;
    PixelRect Square{};
};

// Whether `area` is plain, and what it then holds.
std::optional<PlainArea> FindPlainArea(const PaintPlan& plan, const PixelRect& area);

// The pieces of an area that shows two balls and no label, cut so that
// only the piece where their squares overlap, if any, shows both: two balls
// passing close by each other are then mostly painted as plain areas.
struct AreaPieces {
    std::array<PixelRect, 5> Rects{};
    std::size_t Count = 0;
};

// The area's pieces, or nothing where it shows more or fewer than two
// balls, or a label.
std::optional<AreaPieces> CutBetweenTwoBalls(const PaintPlan& plan, const PixelRect& area);

// Whether two rectangles share a pixel.
inline bool Overlap(const PixelRect& a, const PixelRect& b) {
    // Bitwise ands: no branches to mispredict; this test runs thousands of
    // times a tick.
    return ((a.w > 0) & (a.h > 0) & (b.w > 0) & (b.h > 0) & (a.x < b.x + b.w) & (b.x < a.x + a.w) &
            (a.y < b.y + b.h) & (b.y < a.y + a.h)) != 0;
}

}  // namespace bumblorbs
