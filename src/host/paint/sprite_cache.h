#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "host/paint/ball_sprite.h"
#include "host/paint/paint_plan.h"
#include "scene/scene.h"

namespace bumblorbs {

// Each ball's sprite, drawn again only when its colours or size change.
// The balls share one size, so the coverage of that size is worked out once.
class SpriteCache {
public:
    // Brings every ball's sprite up to date with its look in the scene and
    // its circle in the plan.
    void Refresh(const Scene& scene, const PaintPlan& plan);

    // The ball's sprite as the last refresh left it.
    const BallSprite& Sprite(std::size_t ball) const { return *sprites_[ball]; }

private:
    void Refresh(const Ball& ball, int diameter);

    std::optional<DiscShape> shape_;
    std::array<std::optional<BallSprite>, BallCount> sprites_;
};

}  // namespace bumblorbs
