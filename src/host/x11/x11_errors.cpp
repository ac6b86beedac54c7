#include "host/x11/x11_errors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace bumblorbs {
namespace {

XErrorHandler xlibHandler = nullptr;
LostDisplayHandler onLostDisplay = nullptr;

int OnLostDisplay(Display* /*display*/) {
    onLostDisplay("lost the connection to the X server");
    // Xlib ends the process when this returns.
    return 0;
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

void HandleX11Errors(LostDisplayHandler onLost) {
    onLostDisplay = onLost;
    XSetIOErrorHandler(&OnLostDisplay);
    xlibHandler = XSetErrorHandler(&OnProtocolError);
}

}  // namespace bumblorbs
