#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "host/window/host_window.h"

namespace bumblorbs {

// Says on stderr, and on screen where a window exists and its window system
// can still show a message well, that the program has to stop and why.
// While the message is up, SIGTERM and SIGINT end the program with status 1.
void ReportFatal(std::string_view what, HostWindow* window);

// The text broken at spaces into lines of at most `length` characters; a
// longer word is cut.
std::string WrapLines(std::string_view text, std::size_t length);

// For a thread or handler that cannot unwind: says why on stderr with
// async-signal-safe calls only and ends the process with status 1, running
// no exit handlers (they could block on the very thing that failed).
[[noreturn]] void ExitAtOnce(std::string_view what);

}  // namespace bumblorbs
