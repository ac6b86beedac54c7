#include "host/win32/tick_timer.h"

// <windows.h> first: the other Windows headers build on it.
// clang-format off
#include <windows.h>
#include <timeapi.h>
// clang-format on

#include "host/core/host_fault.h"
#include "host/core/monotonic_clock.h"

namespace bumblorbs {
namespace {

// Older Windows, and Wine, know no high-resolution flag.
#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

constexpr std::int64_t NsPerTimerUnit = 100;

}  // namespace

TickTimer::TickTimer()
    : timer_(CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                    TIMER_ALL_ACCESS)) {
    if (timer_ == nullptr) {
        timer_ = CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
        raisedResolution_ = timeBeginPeriod(1) == TIMERR_NOERROR;
    }
    if (timer_ == nullptr) {
        throw HostFault("Windows has no timer for the animation (error " +
                        std::to_string(GetLastError()) + ")");
    }
}

TickTimer::~TickTimer() {
    CloseHandle(timer_);
    if (raisedResolution_) {
        timeEndPeriod(1);
    }
}

void TickTimer::WaitForMessageOr(std::optional<std::int64_t> deadlineNs) {
    constexpr DWORD AnyMessage = QS_ALLINPUT;
    // Messages already in the queue, though seen before, end the wait too.
    constexpr DWORD Flags = MWMO_INPUTAVAILABLE;
    if (!deadlineNs) {
        MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, AnyMessage, Flags);
        return;
    }
    const std::int64_t remainingNs = *deadlineNs - MonotonicNs();
    if (remainingNs <= 0) {
        return;
    }
    // A negative due time is relative, in units of 100 ns.
    LARGE_INTEGER due{};
    due.QuadPart = -((remainingNs + NsPerTimerUnit - 1) / NsPerTimerUnit);
    if (SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE) == FALSE) {
        throw HostFault("the animation's timer could not be set (error " +
                        std::to_string(GetLastError()) + ")");
    }
    HANDLE timer = timer_;
    MsgWaitForMultipleObjectsEx(1, &timer, INFINITE, AnyMessage, Flags);
}

}  // namespace bumblorbs
