#pragma once

#include <string_view>

#include "host/window/host_window.h"

namespace bumblorbs {

// Says on stderr, and on screen where a window exists and its window system
// can still show a message well, that the program has to stop and why.
// While the message is up, SIGTERM and SIGINT end the program with status 1.
void ReportFatal(std::string_view what, HostWindow* window);

}  // namespace bumblorbs
