#include "host/sdl/show_watchdog.h"

#include <system_error>

#include "host/core/exit_at_once.h"

namespace bumblorbs {

ShowWatchdog::ShowWatchdog(std::chrono::seconds limit) {
    // Where no thread can be started, the window is shown unwatched: a
    // stop signal still ends a hung start.
    try {
        watcher_ = std::thread([this, limit] {
            std::unique_lock lock(mutex_);
            if (!shown_.wait_for(lock, limit, [this] { return done_; })) {
                // The main thread is stuck inside the window system.
                ExitAtOnce("the window manager did not show the window");
            }
        });
    } catch (const std::system_error&) {
    }
}

ShowWatchdog::~ShowWatchdog() {
    {
        std::lock_guard lock(mutex_);
        done_ = true;
    }
    shown_.notify_one();
    if (watcher_.joinable()) {
        watcher_.join();
    }
}

}  // namespace bumblorbs
