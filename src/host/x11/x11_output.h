#pragma once

#include <SDL.h>

namespace bumblorbs {

// Readies a new, still hidden and resizable window to cover an output;
// returns false if it is not on X11. Where a window manager runs, its size
// hints name no position, and the window's own _NET_WM_STATE holds the
// full-screen state, once: the manager reads it when it maps the window,
// and places and sizes the window itself. SDL is spared
// its wait for an answer at start. On a bare X server the window keeps the
// place and size it was made with.
bool PrepareFullScreenOnX11(SDL_Window* window);

// Keeps a full-screen window covering its output when the output's
// resolution or the screen's layout changes. On a bare X server it moves and
// sizes the window itself, as SDL does not notice a mode change on an output
// that stays connected. A window manager mostly refits its full-screen
// windows by itself; where the window is left off its output's new size, it
// asks the manager once to leave and re-enter full screen. Does nothing
// under other video drivers.
class X11OutputFollower {
public:
    explicit X11OutputFollower(SDL_Window* window);

    // Hands over every window-system event; acts on the screen's changes.
    void Handle(const SDL_SysWMmsg& message);

private:
    void FitToOutput();

    SDL_Window* window_;
    bool active_ = false;
    int randrEventBase_ = 0;
    // The output the manager was last asked to fit the window to.
    SDL_Rect askedFor_{};
};

}  // namespace bumblorbs
