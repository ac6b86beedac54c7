#include "host/x11_errors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <unistd.h>

#include <string_view>

namespace bumblorbs {
namespace {

XErrorHandler xlibHandler = nullptr;

int OnLostDisplay(Display* /*display*/) {
    // Only async-signal-safe calls: the program is in an unknown state, and
    // exit handlers would try to talk to the server that is gone.
    constexpr std::string_view message =
        "Bumblorbs: fatal error: lost the connection to the X server\n";
    const ssize_t written = write(STDERR_FILENO, message.data(), message.size());
    static_cast<void>(written);
    _exit(1);
}

int OnProtocolError(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow && error->request_code == X_SendEvent) {
        return 0;
    }
    return xlibHandler != nullptr ? xlibHandler(display, error) : 0;
}

}  // namespace

void HandleX11Errors() {
    XSetIOErrorHandler(&OnLostDisplay);
    xlibHandler = XSetErrorHandler(&OnProtocolError);
}

}  // namespace bumblorbs
