#include "host/core/tick_report.h"

#include <string>

#include "host/core/say.h"

namespace bumblorbs {

void TickReport::Ticked(std::int64_t nowNs, std::int64_t bounceCount) {
    ++ticks_;
    if (nextNs_ == 0) {
        nextNs_ = nowNs + periodNs_;
    }
    if (nowNs >= nextNs_) {
        Say("ticks " + std::to_string(ticks_) + " count " + std::to_string(bounceCount));
        nextNs_ += periodNs_;
    }
}

}  // namespace bumblorbs
