#include "host/scene_painter.h"

#include "host/ball_sprite.h"
#include "host/host_fault.h"

namespace bumblorbs {
namespace {

SDL_Rect Union(const SDL_Rect& a, const SDL_Rect& b) {
    SDL_Rect both;
    SDL_UnionRect(&a, &b, &both);
    return both;
}

// Folds overlapping rectangles together so no pixel is painted or sent to
// the window twice.
void MergeOverlapping(std::vector<SDL_Rect>& rects) {
    bool merged = true;
    while (merged) {
        merged = false;
        for (std::size_t i = 0; i < rects.size() && !merged; ++i) {
            for (std::size_t j = i + 1; j < rects.size(); ++j) {
                if (SDL_HasIntersection(&rects[i], &rects[j]) == SDL_TRUE) {
                    rects[i] = Union(rects[i], rects[j]);
                    rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(j));
                    merged = true;
                    break;
                }
            }
        }
    }
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

SDL_Surface* ScenePainter::SpriteOf(const Ball& ball) {
    Sprite& sprite = sprites_[static_cast<std::size_t>(ball.Index)];
    const int diameter = mapping_.ToPixels(CircleOf(ball.Box()).Width);
    if (!sprite.Image || sprite.Fill != ball.BackColor || sprite.Border != ball.BorderColor ||
        sprite.Image->w != diameter) {
        sprite.Image = DrawBallSprite(diameter, ball.BackColor, ball.BorderColor);
        sprite.Fill = ball.BackColor;
        sprite.Border = ball.BorderColor;
    }
    return sprite.Image.get();
}

std::vector<SDL_Rect> ScenePainter::DamagedRects(const SDL_Surface* target, const Scene& scene,
                                                 const Damage& damage) const {
    const SDL_Rect whole{0, 0, target->w, target->h};
    if (damage.Everything) {
        return {whole};
    }
    std::vector<SDL_Rect> rects;
    for (int i = 0; i < BallCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        if (damage.Balls.test(slot)) {
            rects.push_back(Union(CirclePixels(damage.FormerBoxes[slot]),
                                  CirclePixels(scene.Shape1(i).Box())));
        }
    }
    if (damage.Label1) {
        rects.push_back(mapping_.ToPixels(scene.Label(LabelId::Label1).Box));
    }
    if (damage.Label2) {
        rects.push_back(mapping_.ToPixels(scene.Label(LabelId::Label2).Box));
    }
    std::vector<SDL_Rect> visible;
    for (const SDL_Rect& rect : rects) {
        SDL_Rect clipped;
        if (SDL_IntersectRect(&rect, &whole, &clipped) == SDL_TRUE) {
            visible.push_back(clipped);
        }
    }
    MergeOverlapping(visible);
    return visible;
}

std::vector<SDL_Rect> ScenePainter::Paint(SDL_Surface* target, Scene& scene, const Damage& damage) {
    std::vector<SDL_Rect> rects = DamagedRects(target, scene, damage);
    for (const SDL_Rect& area : rects) {
        PaintRect(target, scene, area);
    }
    SDL_SetClipRect(target, nullptr);
    return rects;
}

void ScenePainter::PaintRect(SDL_Surface* target, Scene& scene, const SDL_Rect& area) {
    SDL_SetClipRect(target, &area);
    if (SDL_FillRect(target, &area, MapColour(target, scene.BackColor())) != 0) {
        ThrowSdlFault("SDL_FillRect");
    }
    for (int i = 0; i < BallCount; ++i) {
        const Ball& ball = scene.Shape1(i);
        SDL_Rect where = CirclePixels(ball.Box());
        if (SDL_HasIntersection(&where, &area) == SDL_TRUE &&
            SDL_BlitSurface(SpriteOf(ball), nullptr, target, &where) != 0) {
            ThrowSdlFault("SDL_BlitSurface");
        }
    }
    PaintLabel(target, scene, LabelId::Label1, area);
    PaintLabel(target, scene, LabelId::Label2, area);
}

void ScenePainter::PaintLabel(SDL_Surface* target, Scene& scene, LabelId id,
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
