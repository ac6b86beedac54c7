#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "host/window/host_window.h"

namespace bumblorbs {

// The display cannot be opened. The message is one line for the user.
class SaverDisplayUnreachable : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// There is no window of the given ID that can be drawn in. The message is
// one line for the user.
class NoSuchWindow : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A window another client made, which the toy draws into as a screen saver:
// XScreenSaver's window or its preview, the root window, or any other named
// by its ID. It is watched on a connection of its own for its size, its
// exposures and its end, and never for input: the saver's daemon owns the
// input, and on the root window only one client, the window manager, may
// take the buttons. It has no close of its own: its going away is its close,
// as are the stop signals (SIGTERM is how XScreenSaver ends its hacks).
//
// The window's going away may be learnt first from an error on any of the
// toy's connections that names it; that ends the process at once with
// status 0 and no message, as nothing is left to draw on. Any other X error
// ends it with one line and status 1.
class SaverWindow final : public HostWindow {
public:
    // `id` is the window's, or none for the root window of the display's
    // default screen. `dpiOf` reads the Xft.dpi resource, which X desktops
    // set for their scale, as dots per inch; it is given "" where none is set.
    SaverWindow(const std::string& displayName, std::optional<unsigned long> id,
                float (*dpiOf)(std::string_view resource));
    ~SaverWindow() override;
    SaverWindow(const SaverWindow&) = delete;
    SaverWindow& operator=(const SaverWindow&) = delete;

    // Another client's window is shown by that client.
    void Show() override {}
    PixelSize SizeInPixels() const override { return size_; }
    float Dpi() const override { return dpi_; }
    void Wait(std::optional<std::int64_t> deadlineNs, WindowEvents& events) override;
    WindowCanvas& Canvas() override { return *canvas_; }
    // The line on stderr is all: the window is not the toy's to put a box on.
    void ShowFatal(std::string_view /*message*/) override {}

private:
    void TakeEvents(WindowEvents& events);

    // The connection the window is watched on.
    struct Connection;
    std::unique_ptr<Connection> connection_;
    unsigned long id_ = 0;
    PixelSize size_;
    float dpi_ = 0;
    std::unique_ptr<WindowCanvas> canvas_;
};

}  // namespace bumblorbs
