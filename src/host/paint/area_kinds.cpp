#include "host/paint/area_kinds.h"

#include <algorithm>
#include <bit>

#include "host/paint/pixel_ops.h"

namespace bumblorbs {
namespace {

// What an area shows: whether any label, how many balls (counted up to
// three) and the first two of them.
struct AreaContents {
    bool Label = false;
    std::size_t Balls = 0;
    std::array<std::size_t, 2> First{};
};

AreaContents ContentsOf(const PaintPlan& plan, const PixelRect& area) {
    AreaContents contents;
    for (const PixelRect& box : plan.LabelBoxes) {
        contents.Label = contents.Label || Overlap(box, area);
    }
    for (CircleGrid::BallSet near = plan.NearCircles.Near(area); near != 0 && contents.Balls < 3;
         near &= near - 1) {
        const auto ball = static_cast<std::size_t>(std::countr_zero(near));
        if (Overlap(plan.Circles[ball], area)) {
            if (contents.Balls < contents.First.size()) {
                contents.First[contents.Balls] = ball;
            }
            ++contents.Balls;
        }
    }
    return contents;
}

// Cuts `area` between two squares inside it that do not overlap: across
// where one ends left of the other, else along where one ends above it.
void CutApart(const PixelRect& area, const PixelRect& a, const PixelRect& b, AreaPieces& pieces) {
    const auto add = [&](const PixelRect& piece) { pieces.Rects[pieces.Count++] = piece; };
    const auto right = [](const PixelRect& r) { return r.x + r.w; };
    const auto bottom = [](const PixelRect& r) { return r.y + r.h; };
    if (right(a) <= b.x || right(b) <= a.x) {
        const int cut = std::min(right(a), right(b));
        add({area.x, area.y, cut - area.x, area.h});
        add({cut, area.y, area.x + area.w - cut, area.h});
    } else {
        const int cut = std::min(bottom(a), bottom(b));
        add({area.x, area.y, area.w, cut - area.y});
        add({area.x, cut, area.w, area.y + area.h - cut});
    }
}

}  // namespace

std::optional<PlainArea> FindPlainArea(const PaintPlan& plan, const PixelRect& area) {
    const AreaContents contents = ContentsOf(plan, area);
    if (contents.Label || contents.Balls > 1) {
        return std::nullopt;
    }
    PlainArea plain;
    if (contents.Balls == 1) {
        plain.Ball = contents.First[0];
        plain.Square = plan.Circles[contents.First[0]];
    }
    return plain;
}

std::optional<AreaPieces> CutBetweenTwoBalls(const PaintPlan& plan, const PixelRect& area) {
    const AreaContents contents = ContentsOf(plan, area);
    if (contents.Label || contents.Balls != 2) {
        return std::nullopt;
    }
    std::array<PixelRect, 2> squares{};
    for (std::size_t i = 0; i < squares.size(); ++i) {
        Intersect(plan.Circles[contents.First[i]], area, squares[i]);
    }
    AreaPieces pieces;
    PixelRect both;
    if (Intersect(squares[0], squares[1], both)) {
        // Above and below the overlap only the square that reaches further
        // shows; beside it, only the one that reaches further that way.
        pieces.Rects[pieces.Count++] = both;
        const RectsAround around = AroundHole(area, both);
        for (std::size_t i = 0; i < around.Count; ++i) {
            pieces.Rects[pieces.Count++] = around.Rects[i];
        }
    } else {
        CutApart(area, squares[0], squares[1], pieces);
    }
    return pieces;
}

}  // namespace bumblorbs
