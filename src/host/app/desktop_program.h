#pragma once

namespace bumblorbs {

// Opens the window, runs the toy until the window is unloaded and returns
// the process's exit status.
int RunBumblorbs();

}  // namespace bumblorbs
