#pragma once

namespace bumblorbs {

// When the X server goes away under the program, Xlib cannot carry on; this
// makes that end the program at once with a clear message and status 1,
// instead of Xlib's own terse report.
void EndProgramOnLostDisplay();

}  // namespace bumblorbs
