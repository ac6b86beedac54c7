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

// Nanoseconds as the timespec that the waits of the C library take.
inline timespec TimespecOf(std::int64_t ns) {
    return {static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
}

}  // namespace bumblorbs
