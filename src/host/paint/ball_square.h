#pragma once

#include <cstdint>
#include <vector>

#include "host/paint/ball_sprite.h"

namespace bumblorbs {

// A ball's whole square blended over a plain background, row after row,
// kept while the ball's look and the background stay: what a sink puts
// where a ball moves across empty space.
class BallSquare {
public:
    // The square of `sprite` over `background` (a 0x00RRGGBB pixel), drawn
    // again only where either changed; valid until the next call.
    const std::uint32_t* Over(const BallSprite& sprite, std::uint32_t background);

private:
    SquareLook look_;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace bumblorbs
