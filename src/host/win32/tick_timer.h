#pragma once

#include <cstdint>
#include <optional>

namespace bumblorbs {

// The ticks' timer: a high-resolution waitable timer where Windows has one,
// else an ordinary one with the system's timer resolution raised to 1 ms
// for as long as it lives. One wait covers the timer and the thread's
// messages.
class TickTimer {
public:
    TickTimer();
    ~TickTimer();
    TickTimer(const TickTimer&) = delete;
    TickTimer& operator=(const TickTimer&) = delete;

    // Returns when the monotonic clock reaches `deadlineNs`, or a message
    // arrives for the thread, whichever comes first; with no deadline, only
    // for a message.
    void WaitForMessageOr(std::optional<std::int64_t> deadlineNs);

private:
    void* timer_;
    bool raisedResolution_ = false;
};

}  // namespace bumblorbs
