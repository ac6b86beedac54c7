#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace bumblorbs {

// Where an X server listens, as its display name says: a Unix socket, which
// on Linux is tried in the abstract namespace first, as Xlib does, or a TCP
// host and port.
struct XServerAddress {
    std::string UnixPath;
    std::string Host;
    int Port = 0;
    bool operator==(const XServerAddress&) const = default;
};

// The address in a display name such as ":0", ":1.0", "unix:2",
// "localhost:10.0", "tcp/host:0" or "/path/to/socket:0"; none for a name
// this cannot read, which Xlib is left to judge alone.
std::optional<XServerAddress> AddressOfDisplay(std::string_view name);

// Xlib waits without limit for the server's answer to a new connection, so
// a server that is stopped, or a socket that answers with something else,
// would hang the program in silence. This connects to the server `name`
// names and reads its whole answer within `limit`. It returns why the
// display is unfit, in one line that names it; none where it answers as an
// X server does, or where nothing listens or the connection is closed, which
// Xlib finds at once and says itself.
std::optional<std::string> SilentDisplayProblem(std::string_view name,
                                                std::chrono::milliseconds limit);

}  // namespace bumblorbs
