#include "host/paint/scene_painter.h"

#include <algorithm>
#include <bit>

#include "host/paint/ball_sprite.h"
#include "host/paint/surface_ops.h"
#include "host/sdl/colour_pixel.h"
#include "host/sdl/host_fault.h"
#include "host/sdl/pixel_rows.h"

namespace bumblorbs {
namespace {

SDL_Rect Union(const SDL_Rect& a, const SDL_Rect& b) {
    SDL_Rect both;
    SDL_UnionRect(&a, &b, &both);
    return both;
}

// Whether two rectangles share a pixel. SDL_HasIntersection says the same,
// but as a call into the library, and with branches; this test runs
// thousands of times a tick.
bool Overlap(const SDL_Rect& a, const SDL_Rect& b) {
    // Bitwise ands: no branches to mispredict.
    return ((a.w > 0) & (a.h > 0) & (b.w > 0) & (b.h > 0) & (a.x < b.x + b.w) & (b.x < a.x + a.w) &
            (a.y < b.y + b.h) & (b.y < a.y + a.h)) != 0;
}

// What an area shows: whether any label, how many balls (counted up to
// three) and the first two of them.
struct AreaContents {
    bool Label = false;
    std::size_t Balls = 0;
    std::array<std::size_t, 2> First{};
};

AreaContents ContentsOf(const PaintPlan& plan, const SDL_Rect& area) {
    AreaContents contents;
    for (const SDL_Rect& box : plan.LabelBoxes) {
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

}  // namespace

void CircleGrid::Index(const std::array<SDL_Rect, BallCount>& circles, int width, int height) {
    cellWidth_ = std::max(1, (width + Cells - 1) / Cells);
    cellHeight_ = std::max(1, (height + Cells - 1) / Cells);
    cells_.fill(0);
    for (std::size_t ball = 0; ball < circles.size(); ++ball) {
        const SDL_Rect& circle = circles[ball];
        if (circle.w <= 0 || circle.h <= 0) {
            continue;
        }
        const BallSet bit = BallSet{1} << ball;
        const CellSpan across = Span(circle.x, circle.w, cellWidth_);
        const CellSpan down = Span(circle.y, circle.h, cellHeight_);
        for (int row = down.First; row <= down.Last; ++row) {
            for (int column = across.First; column <= across.Last; ++column) {
                cells_[CellIndex(row, column)] |= bit;
            }
        }
    }
}

CircleGrid::BallSet CircleGrid::Near(const SDL_Rect& area) const {
    const CellSpan across = Span(area.x, area.w, cellWidth_);
    const CellSpan down = Span(area.y, area.h, cellHeight_);
    BallSet near = 0;
    for (int row = down.First; row <= down.Last; ++row) {
        for (int column = across.First; column <= across.Last; ++column) {
            near |= cells_[CellIndex(row, column)];
        }
    }
    return near;
}

CircleGrid::CellSpan CircleGrid::Span(int from, int length, int cellLength) {
    const auto cell = [&](int at) { return std::clamp(at / cellLength, 0, Cells - 1); };
    return {cell(from), cell(from + length - 1)};
}

void PaintPlan::IndexCircles(int width, int height) { NearCircles.Index(Circles, width, height); }

ScenePainter::ScenePainter(const PixelMapping& mapping, LabelText& labels)
    : mapping_(mapping),
      labels_(labels),
      tile_(SDL_CreateRGBSurfaceWithFormatFrom(&tilePlaceholder_, 1, 1, 32, BytesPerPixel,
                                               SDL_PIXELFORMAT_XRGB8888)) {
    if (!tile_) {
        ThrowSdlFault("a tile's surface (SDL_CreateRGBSurfaceWithFormatFrom)");
    }
}

void ScenePainter::PaintTile(std::uint32_t* pixels, const Scene& scene, const PaintPlan& plan,
                             const SDL_Rect& area) {
    // The fields a surface's painters and blits read; its format, and the
    // blits worked out for it, stay valid, as the format is the same.
    SDL_Surface* tile = tile_.get();
    tile->pixels = pixels;
    tile->w = area.w;
    tile->h = area.h;
    tile->pitch = area.w * BytesPerPixel;
    SDL_SetClipRect(tile, nullptr);
    PaintArea(tile, {area.x, area.y}, scene, plan, area);
}

std::uint32_t ScenePainter::TileBackground(const Scene& scene) const {
    return PixelOf(scene.BackColor(), tile_->format);
}

SDL_Rect ScenePainter::CirclePixels(const TwipRect& box) const {
    const TwipRect circle = CircleOf(box);
    const int diameter = mapping_.ToPixels(circle.Width);
    return {mapping_.ToPixels(circle.Left), mapping_.ToPixels(circle.Top), diameter, diameter};
}

void ScenePainter::RefreshSprite(const Ball& ball, int diameter) {
    std::optional<BallSprite>& sprite = sprites_[static_cast<std::size_t>(ball.Index)];
    if (!sprite || sprite->Fill() != ball.BackColor || sprite->Border() != ball.BorderColor ||
        sprite->Diameter() != diameter) {
        if (!shape_ || shape_->Diameter() != diameter) {
            shape_.emplace(diameter);
        }
        sprite.emplace(*shape_, ball.BackColor, ball.BorderColor);
    }
}

PaintPlan ScenePainter::Plan(const Scene& scene, const Damage& damage, int width, int height) {
    PaintPlan plan;
    for (int i = 0; i < BallCount; ++i) {
        const Ball& ball = scene.Shape1(i);
        SDL_Rect& circle = plan.Circles[static_cast<std::size_t>(i)];
        circle = CirclePixels(ball.Box());
        RefreshSprite(ball, circle.w);
    }
    for (const LabelId id : AllLabels) {
        plan.LabelBoxes[SlotOf(id)] = mapping_.ToPixels(scene.Label(id).Box);
    }
    plan.IndexCircles(width, height);
    plan.Rects = DamagedRects(scene, damage, width, height);
    return plan;
}

PaintRects ScenePainter::DamagedRects(const Scene& scene, const Damage& damage, int width,
                                      int height) const {
    PaintRects rects;
    const SDL_Rect whole{0, 0, width, height};
    if (damage.Everything) {
        rects.push_back(whole);
        return rects;
    }
    // Overlapping rectangles are left apart: each is painted whole, so the
    // overlap is merely painted twice, where folding them into one bounding
    // box would repaint all the empty space between a cluster of balls.
    const auto keep = [&](const SDL_Rect& rect) {
        SDL_Rect clipped;
        if (SDL_IntersectRect(&rect, &whole, &clipped) == SDL_TRUE) {
            rects.push_back(clipped);
        }
    };
    for (int i = 0; i < BallCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        if (damage.Balls.test(slot)) {
            keep(
                Union(CirclePixels(damage.FormerBoxes[slot]), CirclePixels(scene.Shape1(i).Box())));
        }
    }
    for (const LabelId id : AllLabels) {
        if (damage.Labels.test(SlotOf(id))) {
            keep(mapping_.ToPixels(scene.Label(id).Box));
        }
    }
    return rects;
}

PaintRects ScenePainter::Paint(SDL_Surface* target, const Scene& scene, const Damage& damage) {
    PaintPlan plan = Plan(scene, damage, target->w, target->h);
    for (const SDL_Rect& area : plan.Rects) {
        PaintArea(target, {0, 0}, scene, plan, area);
    }
    return plan.Rects;
}

void ScenePainter::PaintArea(SDL_Surface* target, SDL_Point origin, const Scene& scene,
                             const PaintPlan& plan, const SDL_Rect& area) {
    const SDL_Rect local{area.x - origin.x, area.y - origin.y, area.w, area.h};
    SDL_SetClipRect(target, &local);
    const Uint32 background = PixelOf(scene.BackColor(), target->format);
    if (!PaintPlainArea(target, origin, plan, area, background)) {
        FillArea(target, local, background);
        for (std::size_t i = 0; i < plan.Circles.size(); ++i) {
            const SDL_Rect& where = plan.Circles[i];
            if (Overlap(where, area)) {
                sprites_[i]->Draw(target, where.x - origin.x, where.y - origin.y);
            }
        }
        for (const LabelId id : AllLabels) {
            PaintLabel(target, origin, scene, plan, id, area);
        }
    }
    SDL_SetClipRect(target, nullptr);
}

std::optional<PlainArea> FindPlainArea(const PaintPlan& plan, const SDL_Rect& area) {
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

std::optional<AreaPieces> CutBetweenTwoBalls(const PaintPlan& plan, const SDL_Rect& area) {
    const AreaContents contents = ContentsOf(plan, area);
    if (contents.Label || contents.Balls != 2) {
        return std::nullopt;
    }
    std::array<SDL_Rect, 2> squares{};
    for (std::size_t i = 0; i < squares.size(); ++i) {
        SDL_IntersectRect(&plan.Circles[contents.First[i]], &area, &squares[i]);
    }
    AreaPieces pieces;
    const auto add = [&](const SDL_Rect& piece) { pieces.Rects[pieces.Count++] = piece; };
    const auto right = [](const SDL_Rect& r) { return r.x + r.w; };
    const auto bottom = [](const SDL_Rect& r) { return r.y + r.h; };
    const SDL_Rect& a = squares[0];
    const SDL_Rect& b = squares[1];
    SDL_Rect both;
    if (SDL_IntersectRect(&a, &b, &both) == SDL_TRUE) {
        // Above and below the overlap only the square that reaches further
        // shows; beside it, only the one that reaches further that way.
        add(both);
        const RectsAround around = AroundHole(area, both);
        for (std::size_t i = 0; i < around.Count; ++i) {
            add(around.Rects[i]);
        }
    } else if (right(a) <= b.x || right(b) <= a.x) {
        const int cut = std::min(right(a), right(b));
        add({area.x, area.y, cut - area.x, area.h});
        add({cut, area.y, area.x + area.w - cut, area.h});
    } else {
        const int cut = std::min(bottom(a), bottom(b));
        add({area.x, area.y, area.w, cut - area.y});
        add({area.x, cut, area.w, area.y + area.h - cut});
    }
    return pieces;
}

bool ScenePainter::PaintPlainArea(SDL_Surface* target, SDL_Point origin, const PaintPlan& plan,
                                  const SDL_Rect& area, Uint32 background) {
    if (!HasWordPixels(target)) {
        return false;
    }
    const std::optional<PlainArea> plain = FindPlainArea(plan, area);
    if (!plain) {
        return false;
    }
    const SDL_Rect local{area.x - origin.x, area.y - origin.y, area.w, area.h};
    if (!plain->Ball) {
        FillArea(target, local, background);
        return true;
    }
    const SDL_Rect square{plain->Square.x - origin.x, plain->Square.y - origin.y, plain->Square.w,
                          plain->Square.h};
    SDL_Rect covered;
    SDL_IntersectRect(&square, &local, &covered);
    const RectsAround around = AroundHole(local, covered);
    for (std::size_t i = 0; i < around.Count; ++i) {
        FillArea(target, around.Rects[i], background);
    }
    sprites_[*plain->Ball]->DrawOver(target, square.x, square.y, background);
    return true;
}

void ScenePainter::PaintLabel(SDL_Surface* target, SDL_Point origin, const Scene& scene,
                              const PaintPlan& plan, LabelId id, const SDL_Rect& area) {
    const SDL_Rect& box = plan.LabelBoxes[SlotOf(id)];
    SDL_Rect visible;
    if (SDL_IntersectRect(&box, &area, &visible) != SDL_TRUE) {
        return;
    }
    const TextImage text = labels_.Rendered(scene, id);
    if (!text) {
        return;
    }
    // Text outside the label's box is clipped away, as is anything outside
    // the area being painted.
    const SDL_Rect clip{visible.x - origin.x, visible.y - origin.y, visible.w, visible.h};
    SDL_SetClipRect(target, &clip);
    const SDL_Rect picture{0, 0, text.Width, text.Height};
    SDL_Rect where{box.x - origin.x, box.y - origin.y, text.Width, text.Height};
    if (SDL_BlitSurface(text.Image, &picture, target, &where) != 0) {
        ThrowSdlFault("SDL_BlitSurface");
    }
}

}  // namespace bumblorbs
