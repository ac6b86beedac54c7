#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "host/wayland/wayland_handles.h"

namespace bumblorbs {

// The connection to a Wayland compositor, waited on with deadlines only: a
// compositor that stays silent or breaks is reported, never waited for
// without end. Requests are sent without blocking; what the socket cannot
// take at once goes out on the next wait.
class WaylandConnection {
public:
    // Connects to the socket WAYLAND_DISPLAY names; throws NoDisplay naming
    // the socket and why.
    explicit WaylandConnection(std::string_view socket);

    wl_display* Display() const { return display_.get(); }
    const std::string& SocketPath() const { return path_; }

    // Sends what is queued, waits for the compositor's events until they
    // come, a signal arrives, or the monotonic clock passes `deadlineNs`,
    // and dispatches them. Throws HostFault when the connection fails.
    void Pump(std::optional<std::int64_t> deadlineNs);
    // Waits until the compositor has answered every request sent so far;
    // throws HostFault if it has not by `deadlineNs`.
    void RoundTrip(std::int64_t deadlineNs);
    // Sends what is queued without waiting; throws HostFault when the
    // connection fails.
    void Flush();
    // Why the connection failed, in words.
    std::string Problem() const;

private:
    std::string path_;
    DisplayHandle display_;
};

}  // namespace bumblorbs
