#include "host/x11/display_probe.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <thread>

namespace bumblorbs {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int FirstTcpPort = 6000;

// The setup request: little-endian, no authorization, for protocol version
// 0.0, which every X server refuses with a whole answer. A connection whose
// setup never succeeds is no client to the server: had it been, a server
// that resets when its last client leaves would reset as the probe hangs up,
// and refuse the program's own connection that comes a moment later.
constexpr std::array<unsigned char, 12> SetupRequest{'l', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
// The reply's status byte: failed, success or authenticate.
constexpr unsigned char LastSetupStatus = 2;
constexpr std::size_t ReplyHeaderSize = 8;

// A connection closed at any point is Unreachable: Xlib, too, ends at once
// where the server hangs up, and says so itself. An ssh that forwards the
// display does that to a connection that brings no cookie, as this one.
enum class Outcome { Answered, Unreachable, Silent, Garbled };

class Socket {
public:
    explicit Socket(int domain)
        : fd_(socket(domain, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0)) {}
    ~Socket() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int Fd() const { return fd_; }

private:
    int fd_;
};

int MillisecondsLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

// Whether the socket is ready for `events` before the deadline; a signal
// does not cut the wait short.
bool AwaitReady(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        pollfd ready{fd, events, 0};
        const int result = poll(&ready, 1, MillisecondsLeft(deadline));
        if (result != 0 && !(result < 0 && errno == EINTR)) {
            return true;
        }
        if (result == 0 || Clock::now() >= deadline) {
            return false;
        }
    }
}

Outcome Connect(int fd, const sockaddr* address, socklen_t length, Clock::time_point deadline) {
    while (connect(fd, address, length) != 0) {
        if (errno == EAGAIN) {
            // A Unix socket whose backlog is full: a server that accepts no one.
            if (Clock::now() >= deadline) {
                return Outcome::Silent;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            continue;
        }
        if (errno != EINPROGRESS && errno != EINTR) {
            return Outcome::Unreachable;
        }
        if (!AwaitReady(fd, POLLOUT, deadline)) {
            return Outcome::Silent;
        }
        int error = 0;
        socklen_t size = sizeof error;
        getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size);
        return error == 0 ? Outcome::Answered : Outcome::Unreachable;
    }
    return Outcome::Answered;
}

// Sends the setup request and reads the whole reply: its header, then as
// many 4-byte units as the header says follow.
Outcome Converse(int fd, Clock::time_point deadline) {
    if (send(fd, SetupRequest.data(), SetupRequest.size(), MSG_NOSIGNAL) !=
        static_cast<ssize_t>(SetupRequest.size())) {
        return Outcome::Unreachable;
    }
    std::array<unsigned char, 4096> buffer{};
    std::array<unsigned char, ReplyHeaderSize> header{};
    std::size_t got = 0;
    std::size_t wanted = ReplyHeaderSize;
    while (got < wanted) {
        if (!AwaitReady(fd, POLLIN, deadline)) {
            return Outcome::Silent;
        }
        const ssize_t read = recv(fd, buffer.data(), std::min(buffer.size(), wanted - got), 0);
        if (read < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        }
        if (read <= 0) {
            return Outcome::Unreachable;
        }
        for (std::size_t i = 0; i < static_cast<std::size_t>(read) && got + i < header.size();
             ++i) {
            header[got + i] = buffer[i];
        }
        const bool headerDone =
            got < ReplyHeaderSize && got + static_cast<std::size_t>(read) >= ReplyHeaderSize;
        got += static_cast<std::size_t>(read);
        if (headerDone) {
            if (header[0] > LastSetupStatus) {
                return Outcome::Garbled;
            }
            wanted += 4 * (std::size_t{header[6]} | std::size_t{header[7]} << 8);
        }
    }
    return Outcome::Answered;
}

Outcome ProbeUnix(const std::string& path, Clock::time_point deadline) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() + 1 >= sizeof address.sun_path) {
        return Outcome::Unreachable;
    }
    Outcome outcome = Outcome::Unreachable;
    // The abstract name is the path after a zero byte; then the file.
    for (const std::size_t at : {std::size_t{1}, std::size_t{0}}) {
        std::memset(address.sun_path, 0, sizeof address.sun_path);
        std::memcpy(address.sun_path + at, path.data(), path.size());
        const auto length =
            static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + at + path.size());
        const Socket socket(AF_UNIX);
        outcome =
            Connect(socket.Fd(), reinterpret_cast<const sockaddr*>(&address), length, deadline);
        if (outcome == Outcome::Answered) {
            return Converse(socket.Fd(), deadline);
        }
        if (outcome != Outcome::Unreachable) {
            return outcome;
        }
    }
    return outcome;
}

Outcome ProbeTcp(const XServerAddress& server, Clock::time_point deadline) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(server.Host.c_str(), std::to_string(server.Port).c_str(), &hints, &found) !=
        0) {
        return Outcome::Unreachable;
    }
    Outcome outcome = Outcome::Unreachable;
    for (const addrinfo* each = found; each != nullptr && outcome == Outcome::Unreachable;
         each = each->ai_next) {
        const Socket socket(each->ai_family);
        outcome = Connect(socket.Fd(), each->ai_addr, each->ai_addrlen, deadline);
        if (outcome == Outcome::Answered) {
            outcome = Converse(socket.Fd(), deadline);
        }
    }
    freeaddrinfo(found);
    return outcome;
}

// The display number after the last colon, before any screen number.
std::optional<int> DisplayNumber(std::string_view text) {
    const std::string_view digits = text.substr(0, text.find('.'));
    if (digits.empty() || digits.size() > 5 ||
        digits.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    return std::stoi(std::string(digits));
}

std::string WaitText(std::chrono::milliseconds limit) {
    if (limit.count() % 1000 == 0) {
        return std::to_string(limit.count() / 1000) + " s";
    }
    return std::to_string(limit.count()) + " ms";
}

}  // namespace

std::optional<XServerAddress> AddressOfDisplay(std::string_view name) {
    const std::size_t colon = name.rfind(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<int> number = DisplayNumber(name.substr(colon + 1));
    std::string_view host = name.substr(0, colon);
    if (!number || host.ends_with(':')) {
        // A DECnet name ("host::0") or no number.
        return std::nullopt;
    }
    if (host.starts_with('/')) {
        return XServerAddress{std::string(host), {}, 0};
    }
    std::string_view protocol;
    if (const std::size_t slash = host.find('/'); slash != std::string_view::npos) {
        protocol = host.substr(0, slash);
        host = host.substr(slash + 1);
    }
    const bool local = protocol == "unix" || protocol == "local";
    const bool tcp = protocol == "tcp" || protocol == "inet" || protocol == "inet6";
    if (!protocol.empty() && !local && !tcp) {
        return std::nullopt;
    }
    if (local || (!tcp && (host.empty() || host == "unix"))) {
        return XServerAddress{"/tmp/.X11-unix/X" + std::to_string(*number), {}, 0};
    }
    if (host.size() > 2 && host.starts_with('[') && host.ends_with(']')) {
        host = host.substr(1, host.size() - 2);
    }
    return XServerAddress{
        {}, std::string(host.empty() ? "localhost" : host), FirstTcpPort + *number};
}

std::optional<std::string> SilentDisplayProblem(std::string_view name,
                                                std::chrono::milliseconds limit) {
    const std::optional<XServerAddress> server = AddressOfDisplay(name);
    if (!server) {
        return std::nullopt;
    }
    const Clock::time_point deadline = Clock::now() + limit;
    const Outcome outcome = server->UnixPath.empty() ? ProbeTcp(*server, deadline)
                                                     : ProbeUnix(server->UnixPath, deadline);
    const std::string display = "the X display " + std::string(name);
    switch (outcome) {
        case Outcome::Answered:
        case Outcome::Unreachable: return std::nullopt;
        case Outcome::Silent: return display + " does not answer (waited " + WaitText(limit) + ")";
        case Outcome::Garbled: return display + " does not answer as an X server";
    }
    return std::nullopt;
}

}  // namespace bumblorbs
