#pragma once

#include <optional>

namespace bumblorbs {

// When a full-screen saver ends: on a key or a button, or once the mouse
// has moved more than a few pixels from where it was first seen, since the
// screen coming up sends one move of its own and a desk's tremor a few.
class SaverInputRule {
public:
    static constexpr int MoveTolerance = 4;

    // Says whether the mouse, now at (x, y) on the screen, has moved far
    // enough to end the saver.
    bool MovedAway(int x, int y);

private:
    std::optional<int> firstX_;
    int firstY_ = 0;
};

}  // namespace bumblorbs
