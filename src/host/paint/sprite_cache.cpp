#include "host/paint/sprite_cache.h"

namespace bumblorbs {

void SpriteCache::Refresh(const Scene& scene, const PaintPlan& plan) {
    for (int i = 0; i < BallCount; ++i) {
        Refresh(scene.Shape1(i), plan.Circles[static_cast<std::size_t>(i)].w);
    }
}

void SpriteCache::Refresh(const Ball& ball, int diameter) {
    std::optional<BallSprite>& sprite = sprites_[static_cast<std::size_t>(ball.Index)];
    if (!sprite || sprite->Fill() != ball.BackColor || sprite->Border() != ball.BorderColor ||
        sprite->Diameter() != diameter) {
        if (!shape_ || shape_->Diameter() != diameter) {
            shape_.emplace(diameter);
        }
        sprite.emplace(*shape_, ball.BackColor, ball.BorderColor);
    }
}

}  // namespace bumblorbs
