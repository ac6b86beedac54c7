#include "host/paint/scene_painter.h"

#include "host/paint/ball_sprite.h"
#include "host/paint/surface_ops.h"
#include "host/sdl/host_fault.h"

namespace bumblorbs {
namespace {

SDL_Rect Union(const SDL_Rect& a, const SDL_Rect& b) {
    SDL_Rect both;
    SDL_UnionRect(&a, &b, &both);
    return both;
}

Uint32 MapColour(const SDL_Surface* target, Colour colour) {
    return SDL_MapRGB(target->format, static_cast<Uint8>(RedOf(colour)),
                      static_cast<Uint8>(GreenOf(colour)), static_cast<Uint8>(BlueOf(colour)));
}

}  // namespace

ScenePainter::ScenePainter(const PixelMapping& mapping, LabelText& labels)
    : mapping_(mapping), labels_(labels) {}

SDL_Rect ScenePainter::CirclePixels(const TwipRect& box) const {
    const TwipRect circle = CircleOf(box);
    const int diameter = mapping_.ToPixels(circle.Width);
    return {mapping_.ToPixels(circle.Left), mapping_.ToPixels(circle.Top), diameter, diameter};
}

void ScenePainter::RefreshSprite(const Ball& ball, int diameter) {
    std::optional<BallSprite>& sprite = sprites_[static_cast<std::size_t>(ball.Index)];
    if (!sprite || sprite->Fill() != ball.BackColor || sprite->Border() != ball.BorderColor ||
        sprite->Diameter() != diameter) {
        sprite.emplace(diameter, ball.BackColor, ball.BorderColor);
    }
}

std::vector<SDL_Rect> ScenePainter::DamagedRects(const SDL_Surface* target, const Scene& scene,
                                                 const Damage& damage,
                                                 const Circles& circles) const {
    const SDL_Rect whole{0, 0, target->w, target->h};
    if (damage.Everything) {
        return {whole};
    }
    std::vector<SDL_Rect> rects;
    for (int i = 0; i < BallCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        if (damage.Balls.test(slot)) {
            rects.push_back(Union(CirclePixels(damage.FormerBoxes[slot]), circles[slot]));
        }
    }
    for (const LabelId id : AllLabels) {
        if (damage.Labels.test(SlotOf(id))) {
            rects.push_back(mapping_.ToPixels(scene.Label(id).Box));
        }
    }
    std::vector<SDL_Rect> visible;
    for (const SDL_Rect& rect : rects) {
        SDL_Rect clipped;
        if (SDL_IntersectRect(&rect, &whole, &clipped) == SDL_TRUE) {
            visible.push_back(clipped);
        }
    }
    // Overlapping rectangles are left apart: each is painted whole, so the
    // overlap is merely painted twice, where folding them into one bounding
    // box would repaint all the empty space between a cluster of balls.
    return visible;
}

std::vector<SDL_Rect> ScenePainter::Paint(SDL_Surface* target, const Scene& scene,
                                          const Damage& damage) {
    Circles circles;
    for (int i = 0; i < BallCount; ++i) {
        const Ball& ball = scene.Shape1(i);
        SDL_Rect& circle = circles[static_cast<std::size_t>(i)];
        circle = CirclePixels(ball.Box());
        RefreshSprite(ball, circle.w);
    }
    const Uint32 background = MapColour(target, scene.BackColor());
    std::vector<SDL_Rect> rects = DamagedRects(target, scene, damage, circles);
    for (const SDL_Rect& area : rects) {
        PaintRect(target, scene, area, background, circles);
    }
    SDL_SetClipRect(target, nullptr);
    return rects;
}

void ScenePainter::PaintRect(SDL_Surface* target, const Scene& scene, const SDL_Rect& area,
                             Uint32 background, const Circles& circles) {
    SDL_SetClipRect(target, &area);
    FillArea(target, area, background);
    for (std::size_t i = 0; i < circles.size(); ++i) {
        const SDL_Rect& where = circles[i];
        if (SDL_HasIntersection(&where, &area) == SDL_TRUE) {
            sprites_[i]->Draw(target, where.x, where.y);
        }
    }
    for (const LabelId id : AllLabels) {
        PaintLabel(target, scene, id, area);
    }
}

void ScenePainter::PaintLabel(SDL_Surface* target, const Scene& scene, LabelId id,
                              const SDL_Rect& area) {
    const SDL_Rect box = mapping_.ToPixels(scene.Label(id).Box);
    SDL_Rect visible;
    if (SDL_IntersectRect(&box, &area, &visible) != SDL_TRUE) {
        return;
    }
    SDL_Surface* text = labels_.Rendered(scene, id);
    if (text == nullptr) {
        return;
    }
    // Text outside the label's box is clipped away, as is anything outside
    // the area being painted.
    SDL_SetClipRect(target, &visible);
    SDL_Rect where{box.x, box.y, text->w, text->h};
    if (SDL_BlitSurface(text, nullptr, target, &where) != 0) {
        ThrowSdlFault("SDL_BlitSurface");
    }
    SDL_SetClipRect(target, &area);
}

}  // namespace bumblorbs
