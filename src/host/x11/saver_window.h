#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

#include "host/core/owned_handle.h"

struct _XDisplay;

namespace bumblorbs {

void CloseXDisplay(_XDisplay* display);

// The display cannot be opened. The message is one line for the user.
class SaverDisplayUnreachable : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// There is no window of the given ID. The message is one line for the user.
class NoSuchWindow : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A window another client made, which the toy draws into as a screen saver:
// XScreenSaver's window or its preview, the root window, or any other named
// by its ID. It is watched on a connection of its own for its size, its
// exposures and its end, and never for input: the saver's daemon owns the
// input, and on the root window only one client, the window manager, may
// take the buttons.
//
// While it is watched, the window's going away ends the process at once with
// status 0 and no message, as a hack ends when the saver's preview closes,
// wherever the toy learns of it first: an event here, or an error on any of
// its connections that names the window. Any other X error ends it with one
// line and status 1.
class SaverWindow {
public:
    // `id` is the window's, or none for the root window of the display's
    // default screen.
    SaverWindow(const std::string& displayName, std::optional<unsigned long> id);
    ~SaverWindow();
    SaverWindow(const SaverWindow&) = delete;
    SaverWindow& operator=(const SaverWindow&) = delete;

    // The display's name as opened, for other connections to the same server.
    const std::string& DisplayName() const { return displayName_; }
    unsigned long Id() const { return id_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The Xft.dpi resource that X desktops set for their scale; empty where
    // none is set.
    std::string DpiResource() const;

    struct Changes {
        bool Resized = false;
        bool Exposed = false;
        bool Gone = false;
    };
    // Waits for the window's events until `deadlineNs` on the monotonic
    // clock, or until a signal arrives, and takes every event that came.
    Changes WaitUntil(std::int64_t deadlineNs);

private:
    Changes TakeEvents();

    OwnedHandle<_XDisplay, CloseXDisplay> display_;
    std::string displayName_;
    unsigned long id_ = 0;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace bumblorbs
