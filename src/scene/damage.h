#pragma once

#include <array>
#include <bitset>

#include "scene/controls.h"

namespace bumblorbs {

// What changed since the host last painted, so that it can repaint only that.
struct Damage {
    bool Everything = false;
    std::bitset<BallCount> Balls;
    // Where each marked ball stood when it was first marked: its old circle
    // must be painted over as well as its new one.
    std::array<TwipRect, BallCount> FormerBoxes{};
    std::bitset<LabelCount> Labels;

    bool Any() const { return Everything || Balls.any() || Labels.any(); }
};

}  // namespace bumblorbs
