#include "host/x11/x11_errors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

#include "host/app/fatal_report.h"

namespace bumblorbs {
namespace {

XErrorHandler xlibHandler = nullptr;

int OnLostDisplay(Display* /*display*/) {
    // The program is in an unknown state, and exit handlers would try to
    // talk to the server that is gone.
    ExitAtOnce("lost the connection to the X server");
}

int OnProtocolError(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow && error->request_code == X_SendEvent) {
        return 0;
    }
    // The toy's one window, or what is drawn into it, vanished under it:
    // nothing else destroys it while the toy runs, so the server is going
    // away (a compositor's XWayland destroys every window as it shuts down,
    // before it closes the connections).
    if (error->error_code == BadWindow || error->error_code == BadDrawable) {
        OnLostDisplay(display);
    }
    return xlibHandler != nullptr ? xlibHandler(display, error) : 0;
}

}  // namespace

void HandleX11Errors() {
    XSetIOErrorHandler(&OnLostDisplay);
    xlibHandler = XSetErrorHandler(&OnProtocolError);
}

}  // namespace bumblorbs
