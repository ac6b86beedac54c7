#include "host/wayland/buffer_damage.h"

#include <cstddef>

namespace bumblorbs {
namespace {

// Past this many frames missed a buffer is painted whole.
constexpr std::uint32_t MostFramesMissed = 8;

}  // namespace

void AddDamage(Damage& pending, const Damage& more) {
    pending.Everything = pending.Everything || more.Everything;
    for (std::size_t ball = 0; ball < BallCount; ++ball) {
        if (more.Balls[ball] && !pending.Balls[ball]) {
            pending.Balls[ball] = true;
            pending.FormerBoxes[ball] = more.FormerBoxes[ball];
        }
    }
    pending.Labels |= more.Labels;
}

void BufferDamage::Miss(const Damage& frame) {
    AddDamage(missed_, frame);
    missed_.Everything = missed_.Everything || ++framesMissed_ > MostFramesMissed;
}

Damage BufferDamage::Take(const Damage& frame) {
    Damage own = missed_;
    AddDamage(own, frame);
    missed_ = Damage{};
    framesMissed_ = 0;
    return own;
}

}  // namespace bumblorbs
