#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace bumblorbs {

// SDL waits without limit for the window manager to map a window it shows.
// While this object lives, a window manager that never does so ends the
// program with a clear message instead of leaving it hung, where a thread
// can be started to watch.
class ShowWatchdog {
public:
    explicit ShowWatchdog(std::chrono::seconds limit);
    ~ShowWatchdog();
    ShowWatchdog(const ShowWatchdog&) = delete;
    ShowWatchdog& operator=(const ShowWatchdog&) = delete;

private:
    std::mutex mutex_;
    std::condition_variable shown_;
    bool done_ = false;
    std::thread watcher_;
};

}  // namespace bumblorbs
