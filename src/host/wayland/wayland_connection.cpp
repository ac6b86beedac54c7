#include "host/wayland/wayland_connection.h"

#include <poll.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "host/core/host_fault.h"
#include "host/core/monotonic_clock.h"

namespace bumblorbs {
namespace {

// libwayland's own complaint about the connection, kept for the one line
// that reports it instead of being printed on its own.
std::string& LastLibraryMessage() {
    static std::string message;
    return message;
}

void KeepLibraryMessage(const char* format, va_list arguments) {
    std::array<char, 256> text{};
    std::vsnprintf(text.data(), text.size(), format, arguments);
    std::string& message = LastLibraryMessage();
    message = text.data();
    while (!message.empty() && (message.back() == '\n' || message.back() == ' ')) {
        message.pop_back();
    }
}

std::string PathOf(std::string_view socket) {
    if (socket.starts_with('/')) {
        return std::string(socket);
    }
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return (runtime != nullptr ? std::string(runtime) : std::string("$XDG_RUNTIME_DIR")) + "/" +
           std::string(socket);
}

// libwayland takes the descriptor WAYLAND_SOCKET names in place of a
// socket path, and closes it when the connection fails: one of the standard
// three would take stderr, and the line that says why, with it.
void RefuseStandardSocket() {
    const char* given = std::getenv("WAYLAND_SOCKET");
    if (given == nullptr) {
        return;
    }
    const std::string_view text(given);
    int descriptor = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), descriptor);
    if (error != std::errc() || end != text.data() + text.size() || descriptor <= 2) {
        throw NoDisplay("WAYLAND_SOCKET=" + std::string(text) +
                        " names no connection to a compositor (a descriptor above 2)");
    }
}

[[noreturn]] void ThrowLost() { throw HostFault("lost the connection to the Wayland compositor"); }

void OnSyncDone(void* data, wl_callback* /*callback*/, std::uint32_t /*serial*/) {
    *static_cast<bool*>(data) = true;
}

constexpr wl_callback_listener SyncListener{&OnSyncDone};

}  // namespace

WaylandConnection::WaylandConnection(std::string_view socket) : path_(PathOf(socket)) {
    wl_log_set_handler_client(&KeepLibraryMessage);
    RefuseStandardSocket();
    errno = 0;
    display_.reset(wl_display_connect(std::string(socket).c_str()));
    if (!display_) {
        // Some failures set no errno, whose text would be "Success".
        const std::string reason = !LastLibraryMessage().empty() ? LastLibraryMessage()
                                   : errno != 0                  ? std::string(std::strerror(errno))
                                                                 : "no reason given";
        throw NoDisplay("cannot connect to the Wayland compositor at " + path_ + ": " + reason);
    }
}

void WaylandConnection::Flush() {
    if (wl_display_flush(display_.get()) < 0 && errno != EAGAIN) {
        ThrowLost();
    }
}

void WaylandConnection::Pump(std::optional<std::int64_t> deadlineNs) {
    wl_display* display = display_.get();
    while (wl_display_prepare_read(display) != 0) {
        if (wl_display_dispatch_pending(display) < 0) {
            ThrowLost();
        }
    }
    // What the socket could not take yet waits for room; the events are
    // read meanwhile, so a full socket in both directions cannot jam.
    const bool unsent = wl_display_flush(display) < 0;
    if (unsent && errno != EAGAIN) {
        wl_display_cancel_read(display);
        ThrowLost();
    }
    pollfd socket{wl_display_get_fd(display), static_cast<short>(POLLIN | (unsent ? POLLOUT : 0)),
                  0};
    timespec timeout{};
    if (deadlineNs) {
        const std::int64_t left = std::max<std::int64_t>(0, *deadlineNs - MonotonicNs());
        timeout = {static_cast<time_t>(left / 1'000'000'000),
                   static_cast<long>(left % 1'000'000'000)};
    }
    const int ready = ppoll(&socket, 1, deadlineNs ? &timeout : nullptr, nullptr);
    if (ready > 0 && (socket.revents & (POLLIN | POLLERR | POLLHUP)) != 0) {
        if (wl_display_read_events(display) < 0) {
            ThrowLost();
        }
    } else {
        wl_display_cancel_read(display);
    }
    if (wl_display_dispatch_pending(display) < 0) {
        ThrowLost();
    }
}

void WaylandConnection::RoundTrip(std::int64_t deadlineNs) {
    bool done = false;
    const CallbackHandle sync(wl_display_sync(display_.get()));
    if (!sync) {
        ThrowLost();
    }
    wl_callback_add_listener(sync.get(), &SyncListener, &done);
    while (!done) {
        if (MonotonicNs() >= deadlineNs) {
            throw HostFault("did not answer in time");
        }
        Pump(deadlineNs);
    }
}

std::string WaylandConnection::Problem() const {
    const int error = wl_display_get_error(display_.get());
    if (!LastLibraryMessage().empty()) {
        return LastLibraryMessage();
    }
    if (error == EPROTO) {
        return "it broke the Wayland protocol";
    }
    if (error != 0) {
        return std::strerror(error);
    }
    return {};
}

}  // namespace bumblorbs
