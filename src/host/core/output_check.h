#pragma once

#include <string_view>

namespace bumblorbs {

// Flushes standard output and tells whether all that was written to it
// arrived; where not (a full disk, a closed stream), says so on stderr in
// one line, "PROGRAM: write error: REASON". Call before ending with success.
bool StandardOutputWritten(std::string_view program);

}  // namespace bumblorbs
