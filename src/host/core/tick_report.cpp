#include "host/core/tick_report.h"

#include <cinttypes>
#include <cstdio>

namespace bumblorbs {

void TickReport::Ticked(std::int64_t nowNs, std::int64_t bounceCount) {
    ++ticks_;
    if (nextNs_ == 0) {
        nextNs_ = nowNs + periodNs_;
    }
    if (nowNs >= nextNs_) {
        std::fprintf(stderr, "Bumblorbs: ticks %" PRId64 " count %" PRId64 "\n", ticks_,
                     bounceCount);
        nextNs_ += periodNs_;
    }
}

}  // namespace bumblorbs
