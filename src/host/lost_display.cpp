#include "host/lost_display.h"

#include <SDL.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <cstring>
#include <string_view>

namespace bumblorbs {
namespace {

int OnLostDisplay(Display* /*display*/) {
    // Only async-signal-safe calls: the program is in an unknown state, and
    // exit handlers would try to talk to the server that is gone.
    constexpr std::string_view message =
        "Bumblorbs: fatal error: lost the connection to the X server\n";
    const ssize_t written = write(STDERR_FILENO, message.data(), message.size());
    static_cast<void>(written);
    _exit(1);
}

}  // namespace

void EndProgramOnLostDisplay() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver != nullptr && std::strcmp(driver, "x11") == 0) {
        XSetIOErrorHandler(&OnLostDisplay);
    }
}

}  // namespace bumblorbs
