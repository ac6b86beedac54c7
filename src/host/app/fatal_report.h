#pragma once

#include <string_view>

struct SDL_Window;

namespace bumblorbs {

// Says on stderr, and in a message box where a window exists, that the
// program has to stop and why.
void ReportFatal(std::string_view what, SDL_Window* window);

// For a thread or handler that cannot unwind: says why on stderr with
// async-signal-safe calls only and ends the process with status 1, running
// no exit handlers (they could block on the very thing that failed).
[[noreturn]] void ExitAtOnce(std::string_view what);

}  // namespace bumblorbs
