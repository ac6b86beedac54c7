#pragma once

namespace bumblorbs {

// The program on Windows, from its command line to its status: 0 when the
// window was unloaded or an answer given, 1 on a fatal fault, 2 for a
// command line it refuses.
int RunWindowsProgram();

}  // namespace bumblorbs
