#include "host/x11/x11_resources.h"

#include "host/x11/x11_window.h"

namespace bumblorbs {

std::string_view XftDpiResource(SDL_Window* window) {
    const auto x11 = X11WindowOf(window);
    if (!x11) {
        return {};
    }
    // Xlib keeps the text for as long as the connection is open.
    const char* resource = XGetDefault(x11->Connection, "Xft", "dpi");
    return resource != nullptr ? resource : std::string_view();
}

}  // namespace bumblorbs
