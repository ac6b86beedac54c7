#pragma once

#include <cstddef>
#include <string>
#include <string_view>

struct SDL_Window;

namespace bumblorbs {

// Says on stderr, and in a message box where a window exists and the box
// can show well, that the program has to stop and why. While the box is up,
// SIGTERM and SIGINT end the program with status 1.
void ReportFatal(std::string_view what, SDL_Window* window);

// The text broken at spaces into lines of at most `length` characters; a
// longer word is cut.
std::string WrapLines(std::string_view text, std::size_t length);

// For a thread or handler that cannot unwind: says why on stderr with
// async-signal-safe calls only and ends the process with status 1, running
// no exit handlers (they could block on the very thing that failed).
[[noreturn]] void ExitAtOnce(std::string_view what);

}  // namespace bumblorbs
