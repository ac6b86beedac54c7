#pragma once

#include <string_view>

namespace bumblorbs {

// For a thread or handler that cannot unwind: says why on stderr with
// async-signal-safe calls only and ends the process with status 1, running
// no exit handlers (they could block on the very thing that failed).
[[noreturn]] void ExitAtOnce(std::string_view what);

// What begins the line of a fault the program cannot go on from.
inline constexpr std::string_view FatalPrefix = "fatal error: ";

}  // namespace bumblorbs
