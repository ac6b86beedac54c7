#include "host/app/show_watchdog.h"

#include "host/app/fatal_report.h"

namespace bumblorbs {

ShowWatchdog::ShowWatchdog(std::chrono::seconds limit)
    : watcher_([this, limit] {
          std::unique_lock lock(mutex_);
          if (!shown_.wait_for(lock, limit, [this] { return done_; })) {
              // The main thread is stuck inside the window system.
              ExitAtOnce("the window manager did not show the window");
          }
      }) {}

ShowWatchdog::~ShowWatchdog() {
    {
        std::lock_guard lock(mutex_);
        done_ = true;
    }
    shown_.notify_one();
    watcher_.join();
}

}  // namespace bumblorbs
