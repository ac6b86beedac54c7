#include "host/show_watchdog.h"

#include <unistd.h>

#include <string_view>

namespace bumblorbs {

ShowWatchdog::ShowWatchdog(std::chrono::seconds limit)
    : watcher_([this, limit] {
          std::unique_lock lock(mutex_);
          if (!shown_.wait_for(lock, limit, [this] { return done_; })) {
              // The main thread is stuck inside the window system: only
              // async-signal-safe calls, and no exit handlers.
              constexpr std::string_view message =
                  "Bumblorbs: fatal error: the window manager did not show the window\n";
              const ssize_t written = write(STDERR_FILENO, message.data(), message.size());
              static_cast<void>(written);
              _exit(1);
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
