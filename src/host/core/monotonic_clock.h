#pragma once

#include <cstdint>
#include <ctime>

namespace bumblorbs {

// The monotonic clock in nanoseconds, which ticks and waits are timed by.
inline std::int64_t MonotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

}  // namespace bumblorbs
