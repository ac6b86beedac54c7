#pragma once

namespace bumblorbs {

class Beeper;
class HostWindow;

// Runs the window form1 on `window` with the services of a Linux desktop
// until it is unloaded, the labels' glyphs drawn by SDL_ttf. `beeper` may be
// null: the toy then runs silently.
void RunDesktopWindow(HostWindow& window, Beeper* beeper);

}  // namespace bumblorbs
