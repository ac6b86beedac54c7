#include "host/paint/ball_square.h"

#include <cstddef>

namespace bumblorbs {

const std::uint32_t* BallSquare::Over(const BallSprite& sprite, std::uint32_t background) {
    const SquareLook look = sprite.LookOver(background);
    if (pixels_.empty() || look_ != look) {
        const auto side = static_cast<std::size_t>(look.Diameter);
        look_ = look;
        pixels_.assign(side * side, background);
        sprite.DrawOverRows(pixels_.data(), side);
    }
    return pixels_.data();
}

}  // namespace bumblorbs
