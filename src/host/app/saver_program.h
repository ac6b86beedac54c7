#pragma once

#include <optional>

namespace bumblorbs {

// Runs the toy as a screen saver in the window `id` names, or on the root
// window without one: always on the X display in DISPLAY, without a window
// of its own, without the mouse and without sound. Returns the process's
// exit status: 0 on SIGTERM or SIGINT and when the window goes away; 2
// where DISPLAY is not set, or where no window of that ID exists or it cannot
// be drawn in; 1 where the display cannot be reached or does not answer, and
// on any other fault.
int RunSaver(std::optional<unsigned long> id);

}  // namespace bumblorbs
