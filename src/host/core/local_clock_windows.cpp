#include <ctime>

#include "host/core/local_clock.h"

namespace bumblorbs {

// Windows' C runtime has the same calls under other names: localtime_s with
// its arguments the other way round.
float LocalSecondsSinceMidnight() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_s(&local, &now.tv_sec);
    const double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
                           static_cast<double>(now.tv_nsec) / 1e9;
    return static_cast<float>(seconds);
}

}  // namespace bumblorbs
