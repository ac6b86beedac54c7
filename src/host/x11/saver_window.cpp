#include "host/x11/saver_window.h"

#include <X11/Xlib.h>
#include <poll.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <functional>

#include "host/core/host_fault.h"
#include "host/core/monotonic_clock.h"
#include "host/core/owned_handle.h"
#include "host/core/say.h"
#include "host/x11/display_probe.h"
#include "host/x11/visual_image_canvas.h"
#include "host/x11/x11_tile_canvas.h"
#include "host/x11/x11_window.h"

namespace bumblorbs {
namespace {

// The window the process draws into, once it is watched; 0 before.
unsigned long watched = 0;
// While the window is first looked at: whether the server said it does not exist.
bool missing = false;

// How long the X server may take to answer a new connection.
constexpr std::chrono::milliseconds DisplayAnswerLimit{3000};

int OnError(Display* display, XErrorEvent* error) {
    const bool aboutWindow = error->error_code == BadWindow || error->error_code == BadDrawable;
    if (aboutWindow && watched == 0) {
        missing = true;
        return 0;
    }
    if (aboutWindow && error->resourceid == watched) {
        // Exit handlers would talk to a server that no longer knows the window.
        _exit(0);
    }
    std::array<char, 256> text{};
    XGetErrorText(display, error->error_code, text.data(), static_cast<int>(text.size()));
    Say(std::string("fatal error: the X server refused a request: ") + text.data());
    _exit(1);
}

int OnLostDisplay(Display* /*display*/) {
    Say("fatal error: lost the connection to the X server");
    _exit(1);
}

// The tiles where the window's visual takes their pixels; images in the
// visual's own pixels for any other TrueColor visual, which is slower, and
// said once. No other visual shows a colour that the toy picks.
std::unique_ptr<WindowCanvas> CanvasFor(const X11Window& target,
                                        std::function<SDL_Point()> pixelSize) {
    const std::string visual = VisualUnfitForTiles(target);
    if (visual.empty()) {
        return std::make_unique<X11TileCanvas>(target, std::move(pixelSize));
    }
    if (!VisualImageCanvas::Takes(target)) {
        throw HostFault("the window's visual (" + visual +
                        ") cannot be drawn on: as a screen saver the toy needs a TrueColor "
                        "window");
    }
    auto canvas = std::make_unique<VisualImageCanvas>(target, std::move(pixelSize));
    Say("this display's visual is " + visual +
        ", not 24-bit TrueColor; drawing through images in its own pixels, which is slower");
    return canvas;
}

std::string HexId(unsigned long id) {
    std::array<char, 24> text{};
    std::snprintf(text.data(), text.size(), "0x%lx", id);
    return text.data();
}

}  // namespace

struct SaverWindow::Connection {
    OwnedHandle<Display, XCloseDisplay> Server;
};

SaverWindow::SaverWindow(const std::string& displayName, std::optional<unsigned long> id,
                         float (*dpiOf)(std::string_view resource)) {
    if (auto problem = SilentDisplayProblem(displayName, DisplayAnswerLimit)) {
        throw SaverDisplayUnreachable(*problem);
    }
    connection_ = std::make_unique<Connection>(
        Connection{OwnedHandle<Display, XCloseDisplay>(XOpenDisplay(displayName.c_str()))});
    if (!connection_->Server) {
        throw SaverDisplayUnreachable("cannot open display " + displayName);
    }
    Display* display = connection_->Server.get();
    XSetErrorHandler(&OnError);
    XSetIOErrorHandler(&OnLostDisplay);
    id_ = id.value_or(DefaultRootWindow(display));
    missing = false;
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, id_, &attributes) == 0 || missing) {
        throw NoSuchWindow("there is no window " + HexId(id_) + " on display " + displayName);
    }
    if (attributes.c_class == InputOnly) {
        throw NoSuchWindow("the window " + HexId(id_) + " on display " + displayName +
                           " is input-only: it cannot be drawn in");
    }
    // Structure events say the window's size and its end; exposures, that
    // the server cleared a part of it. Any client may ask for these, on the
    // root window too; input is left alone.
    XSelectInput(display, id_, StructureNotifyMask | ExposureMask);
    watched = id_;
    // The size is read after the selection took, so no change is missed.
    XSync(display, False);
    if (XGetWindowAttributes(display, id_, &attributes) != 0) {
        size_ = {attributes.width, attributes.height};
    }
    const char* resource = XGetDefault(display, "Xft", "dpi");
    dpi_ = dpiOf(resource != nullptr ? resource : "");
    canvas_ = CanvasFor(X11Window{display, id_}, [this] {
        return SDL_Point{size_.Width, size_.Height};
    });
}

SaverWindow::~SaverWindow() {
    canvas_.reset();
    watched = 0;
}

void SaverWindow::Wait(std::optional<std::int64_t> deadlineNs, WindowEvents& events) {
    Display* display = connection_->Server.get();
    XFlush(display);
    if (XPending(display) == 0) {
        const std::int64_t left = deadlineNs ? *deadlineNs - MonotonicNs() : StopCheckNs;
        if (left > 0) {
            pollfd server{ConnectionNumber(display), POLLIN, 0};
            const timespec timeout = TimespecOf(left);
            // A signal ends the wait early.
            ppoll(&server, 1, &timeout, nullptr);
        }
    }
    TakeEvents(events);
}

void SaverWindow::TakeEvents(WindowEvents& events) {
    Display* display = connection_->Server.get();
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.xany.window != id_) {
            continue;
        }
        switch (event.type) {
            case DestroyNotify: events.CloseRequested(); return;
            case ConfigureNotify:
                if (event.xconfigure.width != size_.Width ||
                    event.xconfigure.height != size_.Height) {
                    size_ = {event.xconfigure.width, event.xconfigure.height};
                    events.Reshaped();
                }
                break;
            case Expose: events.Exposed(); break;
            default: break;
        }
    }
}

}  // namespace bumblorbs
