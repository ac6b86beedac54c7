#pragma once

#include <memory>
#include <string_view>

#include "host/window/host_window.h"

namespace bumblorbs {

// The window as a Wayland client of its own, on the compositor at `socket`
// (WAYLAND_DISPLAY's value); throws NoDisplay naming the socket and what
// went wrong where it cannot be opened within a few seconds. The rest of the
// program sees no Wayland header.
std::unique_ptr<HostWindow> OpenWaylandWindow(std::string_view socket);

}  // namespace bumblorbs
