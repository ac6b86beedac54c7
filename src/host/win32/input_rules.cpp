#include "host/win32/input_rules.h"

#include <cstdlib>

namespace bumblorbs {

bool SaverInputRule::MovedAway(int x, int y) {
    if (!firstX_) {
        firstX_ = x;
        firstY_ = y;
        return false;
    }
    return std::abs(x - *firstX_) > MoveTolerance || std::abs(y - firstY_) > MoveTolerance;
}

}  // namespace bumblorbs
