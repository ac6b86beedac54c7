#include "host/app/stop_signals.h"

#include <SDL.h>
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <ctime>
#include <system_error>
#include <thread>

#include "host/core/exit_at_once.h"

namespace bumblorbs {
namespace {

std::atomic<bool> stopRequested{false};
std::atomic<bool> endAtOnce{false};
// The handler tells the last-resort thread through this pipe: write() is
// safe in a signal handler, and never blocks on its non-blocking end.
int wakeRead = -1;
int wakeWrite = -1;

constexpr timespec GraceTime{1, 500'000'000};

// Only async-signal-safe calls here.
void OnStopSignal(int /*signal*/) {
    if (endAtOnce.load()) {
        _exit(1);
    }
    stopRequested.store(true);
    const char byte = 0;
    const ssize_t written = write(wakeWrite, &byte, 1);
    static_cast<void>(written);
}

void AwaitStuckStop() {
    char byte = 0;
    while (read(wakeRead, &byte, 1) < 0) {
    }
    // The main thread, had it been free, would have ended the process by now.
    timespec left = GraceTime;
    while (nanosleep(&left, &left) != 0) {
    }
    ExitAtOnce(
        "stopped by a signal, and could not finish within 1.5 s: the display or the sound "
        "server does not answer");
}

// Where no thread can be started (a process limit reached), the program
// runs without the last resort: the event loop still sees a stop at its
// next wake, and only a program stuck on its display is not ended.
void StartLastResort() {
    try {
        std::thread(&AwaitStuckStop).detach();
    } catch (const std::system_error&) {
        close(wakeWrite);
        close(wakeRead);
        wakeWrite = -1;
        wakeRead = -1;
    }
}

void Hear(int signal) {
    struct sigaction previous {};
    if (sigaction(signal, nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = &OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(signal, &action, nullptr);
}

}  // namespace

void HearStopSignals() {
    std::signal(SIGPIPE, SIG_IGN);
    // SDL would otherwise turn them into a quit event of its own, which a
    // program stuck inside the window system never reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) == 0 && fcntl(ends[1], F_SETFL, O_NONBLOCK) == 0) {
        wakeRead = ends[0];
        wakeWrite = ends[1];
        StartLastResort();
    }
    Hear(SIGTERM);
    Hear(SIGINT);
}

bool StopRequested() { return stopRequested.load(); }

void EndAtOnceOnStop() {
    endAtOnce.store(true);
    // A stop that came a moment before would otherwise wait on the user.
    if (stopRequested.load()) {
        _exit(1);
    }
}

}  // namespace bumblorbs
