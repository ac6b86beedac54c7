#pragma once

#include <optional>

namespace bumblorbs {

// Runs the toy as a screen saver in the window `id` names, or on the root
// window without one: always on the X display in DISPLAY, without a window
// of its own, without the mouse and without sound. Returns the process's
// exit status: 0 on SIGTERM or SIGINT and when the window goes away, 2
// without an X display or such a window, 1 on any other fault.
int RunSaver(std::optional<unsigned long> id);

}  // namespace bumblorbs
