#include "host/x11/x11_input_watch.h"

#include <X11/Xlib.h>
#include <poll.h>

#include <ctime>
#include <optional>

#include "host/core/monotonic_clock.h"
#include "host/x11/x11_window.h"

namespace bumblorbs {

X11InputWatch::X11InputWatch(SDL_Window* window) {
    if (const std::optional<X11Window> x11 = X11WindowOf(window)) {
        display_ = x11->Connection;
        fd_ = ConnectionNumber(x11->Connection);
    }
}

bool X11InputWatch::Sleep(std::int64_t deadlineNs) const {
    // Events already read from the socket wait in Xlib's queue, or in
    // XCB's after a round trip; no sleep may leave them there.
    auto* display = static_cast<Display*>(display_);
    if (XEventsQueued(display, QueuedAlready) > 0 ||
        LastKnownRequestProcessed(display) != readUpTo_) {
        return true;
    }
    const std::int64_t leftNs = deadlineNs - MonotonicNs();
    if (leftNs <= 0) {
        return false;
    }
    const timespec left = TimespecOf(leftNs);
    pollfd connection{fd_, POLLIN, 0};
    // A signal ends the sleep at once (EINTR), and the caller looks for a
    // stop; a closed connection is read, and reported, by SDL's pump.
    return ppoll(&connection, 1, &left, nullptr) != 0;
}

void X11InputWatch::Pumped() {
    readUpTo_ = LastKnownRequestProcessed(static_cast<Display*>(display_));
}

}  // namespace bumblorbs
