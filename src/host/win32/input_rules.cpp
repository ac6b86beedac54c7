#include "host/win32/input_rules.h"

#include <cstdlib>

namespace bumblorbs {

std::int16_t ShiftState(bool shift, bool ctrl, bool alt) {
    return static_cast<std::int16_t>((shift ? 1 : 0) | (ctrl ? 2 : 0) | (alt ? 4 : 0));
}

bool SaverInputRule::MovedAway(int x, int y) {
    if (!firstX_) {
        firstX_ = x;
        firstY_ = y;
        return false;
    }
    return std::abs(x - *firstX_) > MoveTolerance || std::abs(y - firstY_) > MoveTolerance;
}

}  // namespace bumblorbs
