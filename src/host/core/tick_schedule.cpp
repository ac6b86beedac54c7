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

int TickSchedule::MillisecondsUntilNext(std::int64_t nowNs) const {
    const std::int64_t remaining = anchorNs_ + nextIndex_ * periodNs_ - nowNs;
    if (remaining <= 0) {
        return 0;
    }
    return static_cast<int>((remaining + 999'999) / 1'000'000);
}

}  // namespace bumblorbs
