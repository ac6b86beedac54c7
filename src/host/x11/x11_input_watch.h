#pragma once

#include <SDL.h>

#include <cstdint>

namespace bumblorbs {

// The wait of a tick on X11: one sleep that ends at the tick's deadline, or
// sooner when the server sends SDL's connection something (input, a window
// change) or a signal comes. SDL's event pump, which reads the connection
// two or three times over, then runs only where there may be something to
// read. Inactive under other video drivers.
class X11InputWatch {
public:
    explicit X11InputWatch(SDL_Window* window);

    bool Active() const { return display_ != nullptr; }
    // Sleeps until `deadlineNs` on the monotonic clock unless events may
    // already wait unread, the connection brings some, or a signal comes.
    // Says whether events may wait for SDL's pump.
    bool Sleep(std::int64_t deadlineNs) const;
    // After SDL's pump and the handling of what it brought.
    void Pumped();

private:
    // Xlib's Display, kept opaque here so that the rooms using this class
    // need not see Xlib's headers.
    void* display_ = nullptr;
    int fd_ = -1;
    // The last request the server was known to have processed when SDL's
    // pump last ran: any read of the connection since (a round trip within
    // SDL) moves it, and may have left events in a queue the socket no
    // longer shows.
    unsigned long readUpTo_ = 0;
};

}  // namespace bumblorbs
