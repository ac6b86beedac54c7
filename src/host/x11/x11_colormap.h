#pragma once

#include <SDL.h>

namespace bumblorbs {

// A window with a colormap of its own (SDL takes a TrueColor visual where
// the screen's default is DirectColor) shows its colours only while that
// colormap is installed. A window manager that follows the ICCCM installs
// it when the window takes the focus; some managers never do, and with none
// nobody would. So where the window is mapped or takes the focus and its
// colormap is not installed, it installs it itself. Does nothing for a
// window on the default colormap, or under other video drivers.
class X11ColormapKeeper {
public:
    explicit X11ColormapKeeper(SDL_Window* window);

    // Hands over every window-system event; acts on the window's map and focus.
    void Handle(const SDL_SysWMmsg& message) const;

private:
    // The X window and its colormap; 0 where there is nothing to keep.
    unsigned long window_ = 0;
    unsigned long colormap_ = 0;
};

}  // namespace bumblorbs
