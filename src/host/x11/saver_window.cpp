#include "host/x11/saver_window.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <poll.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <ctime>
#include <string_view>

namespace bumblorbs {
namespace {

// The window the process draws into, once it is watched; 0 before.
unsigned long watched = 0;
// While the window is first looked at: whether the server said it does not exist.
bool missing = false;

void WriteLine(std::string_view first, std::string_view second) {
    std::array<char, 512> line{};
    std::size_t length = 0;
    for (const std::string_view part : {first, second, std::string_view("\n")}) {
        for (const char c : part) {
            if (length < line.size()) {
                line[length++] = c;
            }
        }
    }
    const ssize_t written = write(STDERR_FILENO, line.data(), length);
    static_cast<void>(written);
}

int OnError(Display* display, XErrorEvent* error) {
    const bool aboutWindow = error->error_code == BadWindow || error->error_code == BadDrawable;
    if (aboutWindow && watched == 0) {
        missing = true;
        return 0;
    }
    if (aboutWindow && error->resourceid == watched) {
        // Nothing is left to draw on, and exit handlers would talk to a
        // server that no longer knows the window.
        _exit(0);
    }
    std::array<char, 256> text{};
    XGetErrorText(display, error->error_code, text.data(), static_cast<int>(text.size()));
    WriteLine("Bumblorbs: fatal error: the X server refused a request: ", text.data());
    _exit(1);
}

int OnLostDisplay(Display* /*display*/) {
    WriteLine("Bumblorbs: fatal error: ", "lost the connection to the X server");
    _exit(1);
}

std::string HexId(unsigned long id) {
    std::array<char, 24> text{};
    std::snprintf(text.data(), text.size(), "0x%lx", id);
    return text.data();
}

std::int64_t NowNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

}  // namespace

void CloseXDisplay(_XDisplay* display) { XCloseDisplay(display); }

SaverWindow::SaverWindow(const std::string& displayName, std::optional<unsigned long> id)
    : display_(XOpenDisplay(displayName.c_str())), displayName_(displayName) {
    if (!display_) {
        throw SaverDisplayUnreachable("cannot open display " + displayName);
    }
    Display* display = display_.get();
    XSetErrorHandler(&OnError);
    XSetIOErrorHandler(&OnLostDisplay);
    id_ = id.value_or(DefaultRootWindow(display));
    missing = false;
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, id_, &attributes) == 0 || missing) {
        throw NoSuchWindow("there is no window " + HexId(id_) + " on display " + displayName);
    }
    width_ = attributes.width;
    height_ = attributes.height;
    // Structure events say the window's size and its end; exposures, that
    // the server cleared a part of it. Any client may ask for these, on the
    // root window too; input is left alone.
    XSelectInput(display, id_, StructureNotifyMask | ExposureMask);
    watched = id_;
    // The window may have gone, or changed size, before the selection took.
    XSync(display, False);
    if (XGetWindowAttributes(display, id_, &attributes) != 0) {
        width_ = attributes.width;
        height_ = attributes.height;
    }
}

SaverWindow::~SaverWindow() { watched = 0; }

std::string SaverWindow::DpiResource() const {
    const char* resource = XGetDefault(display_.get(), "Xft", "dpi");
    return resource != nullptr ? resource : "";
}

SaverWindow::Changes SaverWindow::WaitUntil(std::int64_t deadlineNs) {
    Display* display = display_.get();
    XFlush(display);
    if (XPending(display) == 0) {
        const std::int64_t left = deadlineNs - NowNs();
        if (left > 0) {
            pollfd connection{ConnectionNumber(display), POLLIN, 0};
            const timespec timeout{static_cast<time_t>(left / 1'000'000'000),
                                   static_cast<long>(left % 1'000'000'000)};
            // A signal ends the wait early; the caller looks at what it said.
            ppoll(&connection, 1, &timeout, nullptr);
        }
    }
    return TakeEvents();
}

SaverWindow::Changes SaverWindow::TakeEvents() {
    Display* display = display_.get();
    Changes changes;
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.xany.window != id_) {
            continue;
        }
        switch (event.type) {
            case DestroyNotify: changes.Gone = true; break;
            case ConfigureNotify:
                if (event.xconfigure.width != width_ || event.xconfigure.height != height_) {
                    width_ = event.xconfigure.width;
                    height_ = event.xconfigure.height;
                    changes.Resized = true;
                }
                break;
            case Expose: changes.Exposed = true; break;
            default: break;
        }
    }
    return changes;
}

}  // namespace bumblorbs
