#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "host/window/mouse_input.h"
#include "host/window/window_canvas.h"

namespace bumblorbs {

// What a window system reports of the window, handed to the program loop as
// it happens.
class WindowEvents {
public:
    // The window system asks the window to close (its close button, the
    // compositor's close): the program unloads it.
    virtual void CloseRequested() = 0;
    // A mouse button released with the shift keys held at a point of the
    // interior, in real pixels from its top-left corner.
    virtual void Released(MouseButton button, ShiftKeys keys, float x, float y) = 0;
    // The interior's size or the dots per inch changed: read them again and
    // repaint everything.
    virtual void Reshaped() = 0;
    // What the window showed was lost: repaint everything.
    virtual void Exposed() = 0;
    // Minimised or hidden, and shown again.
    virtual void Hidden() = 0;
    virtual void Restored() = 0;

protected:
    ~WindowEvents() = default;
};

// With no deadline, the longest a window's wait lasts where the program hears
// stop signals: one that does not cut the wait short is seen at the next wake.
inline constexpr std::int64_t StopCheckNs = 250'000'000;

struct PixelSize {
    int Width = 0;
    int Height = 0;
    bool operator==(const PixelSize&) const = default;
};

// The program's one window, as one window system shows it. The program's
// rules never see which.
class HostWindow {
public:
    virtual ~HostWindow() = default;

    // Puts the window on screen, covering its output.
    virtual void Show() = 0;
    // The interior in real pixels, the ones the canvas paints.
    virtual PixelSize SizeInPixels() const = 0;
    // Dots per inch of those pixels: 96 times the output's scale.
    virtual float Dpi() const = 0;
    // Hands events to `events` until the monotonic clock reaches
    // `deadlineNs`; with no deadline, until at least one event came, and
    // for StopCheckNs at most where a stop signal may come. A signal may end
    // the wait early.
    virtual void Wait(std::optional<std::int64_t> deadlineNs, WindowEvents& events) = 0;
    virtual WindowCanvas& Canvas() = 0;
    // Tells the user of a fatal fault on screen, where the window system
    // can do so without depending on the thing that failed. The line on
    // stderr is written by the caller.
    virtual void ShowFatal(std::string_view message) = 0;
};

}  // namespace bumblorbs
