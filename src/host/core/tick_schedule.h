#pragma once

#include <cstdint>

namespace bumblorbs {

// The classic desktop timer's resolution: 1/64 s. Shorter intervals tick at
// this rate, longer ones at their own.
inline constexpr std::int64_t TimerResolutionNs = 15'625'000;

std::int64_t TickPeriodNs(int intervalMs);

// Ticks on a fixed cadence counted from an anchor, so the rate never drifts.
// A tick that falls due while the loop is busy elsewhere is dropped rather
// than run late in a burst.
class TickSchedule {
public:
    void Start(std::int64_t nowNs, std::int64_t periodNs);
    bool Running() const { return periodNs_ > 0; }
    void Stop() { periodNs_ = 0; }
    std::int64_t PeriodNs() const { return periodNs_; }

    // Whether a tick is due at `nowNs`. If so, the next tick is the first
    // cadence point after now; any points in between are skipped.
    bool TakeDue(std::int64_t nowNs);
    // When the next tick falls due.
    std::int64_t NextDueNs() const { return anchorNs_ + nextIndex_ * periodNs_; }

private:
    std::int64_t anchorNs_ = 0;
    std::int64_t periodNs_ = 0;
    std::int64_t nextIndex_ = 1;
};

}  // namespace bumblorbs
