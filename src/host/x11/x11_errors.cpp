#include "host/x11/x11_errors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

#include <chrono>
#include <mutex>
#include <system_error>
#include <thread>

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
    // The toy's one window, or what is drawn into it, vanished under it.
    // Either the server is going away (a compositor's XWayland destroys
    // every window as it shuts down, and closes the connections a moment
    // later, which ends the program as a lost connection), or another
    // program destroyed the window.
    if (error->error_code == BadWindow || error->error_code == BadDrawable) {
        static std::once_flag closing;
        std::call_once(closing, [] {
            try {
                std::thread([] {
                    std::this_thread::sleep_for(std::chrono::milliseconds(500));
                    onLostDisplay("the window was closed by another program");
                }).detach();
            } catch (const std::system_error&) {
                // No thread to wait in: say it at once.
                onLostDisplay("the window was closed by another program");
            }
        });
        return 0;
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
