#include "host/x11/x11_colormap.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <algorithm>

#include "host/core/owned_handle.h"
#include "host/x11/x11_window.h"

namespace bumblorbs {
namespace {

bool Installed(Display* display, Colormap colormap) {
    int count = 0;
    using Colormaps = OwnedHandle<Colormap, XFree>;
    const Colormaps installed(XListInstalledColormaps(display, DefaultRootWindow(display), &count));
    return installed &&
           std::find(installed.get(), installed.get() + count, colormap) != installed.get() + count;
}

}  // namespace

X11ColormapKeeper::X11ColormapKeeper(SDL_Window* window) {
    const auto x11 = X11WindowOf(window);
    if (!x11) {
        return;
    }
    XWindowAttributes attributes;
    if (XGetWindowAttributes(x11->Connection, x11->Id, &attributes) == 0 ||
        attributes.colormap == DefaultColormapOfScreen(attributes.screen)) {
        return;
    }
    window_ = x11->Id;
    colormap_ = attributes.colormap;
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

void X11ColormapKeeper::Handle(const SDL_SysWMmsg& message) const {
    if (window_ == 0 || message.subsystem != SDL_SYSWM_X11) {
        return;
    }
    const XEvent& event = message.msg.x11.event;
    if (event.xany.window != window_ || (event.type != MapNotify && event.type != FocusIn)) {
        return;
    }
    Display* display = event.xany.display;
    if (!Installed(display, colormap_)) {
        XInstallColormap(display, colormap_);
        XFlush(display);
    }
}

}  // namespace bumblorbs
