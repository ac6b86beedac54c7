#include "host/core/tick_schedule.h"

#include <algorithm>

namespace bumblorbs {

std::int64_t TickPeriodNs(int intervalMs) {
    return std::max<std::int64_t>(TimerResolutionNs, std::int64_t{intervalMs} * 1'000'000);
}

void TickSchedule::Start(std::int64_t nowNs, std::int64_t periodNs) {
    anchorNs_ = nowNs;
    periodNs_ = periodNs;
    nextIndex_ = 1;
}

bool TickSchedule::TakeDue(std::int64_t nowNs) {
    if (!Running() || nowNs < anchorNs_ + nextIndex_ * periodNs_) {
        return false;
    }
    nextIndex_ = (nowNs - anchorNs_) / periodNs_ + 1;
    return true;
}

}  // namespace bumblorbs
