#include "host/x11/x11_output.h"

#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>

#include "host/core/owned_handle.h"
#include "host/x11/x11_window.h"

namespace bumblorbs {
namespace {

using ScreenResources = OwnedHandle<XRRScreenResources, XRRFreeScreenResources>;
using CrtcInfo = OwnedHandle<XRRCrtcInfo, XRRFreeCrtcInfo>;

// The output that shows the point, else the first one that shows anything.
bool OutputAt(Display* display, Window root, SDL_Point point, SDL_Rect& found) {
    const ScreenResources resources(XRRGetScreenResourcesCurrent(display, root));
    if (!resources) {
        return false;
    }
    bool any = false;
    for (int i = 0; i < resources->ncrtc; ++i) {
        const CrtcInfo crtc(XRRGetCrtcInfo(display, resources.get(), resources->crtcs[i]));
        if (!crtc || crtc->mode == None || crtc->width == 0 || crtc->height == 0) {
            continue;
        }
        const SDL_Rect output{crtc->x, crtc->y, static_cast<int>(crtc->width),
                              static_cast<int>(crtc->height)};
        if (SDL_PointInRect(&point, &output) == SDL_TRUE) {
            found = output;
            return true;
        }
        if (!any) {
            found = output;
            any = true;
        }
    }
    return any;
}

// A window manager is the one client that redirects the root's children.
bool ManagerRuns(Display* display) {
    XWindowAttributes root;
    return XGetWindowAttributes(display, DefaultRootWindow(display), &root) == 0 ||
           (root.all_event_masks & SubstructureRedirectMask) != 0;
}

// SDL names the window's first position in its size hints, which managers
// keep even where it lies on another output than the one they would choose.
void DropPositionHints(Display* display, Window window) {
    using SizeHints = OwnedHandle<XSizeHints, XFree>;
    const SizeHints hints(XAllocSizeHints());
    long supplied = 0;
    if (!hints || XGetWMNormalHints(display, window, hints.get(), &supplied) == 0) {
        return;
    }
    hints->flags &= ~(USPosition | PPosition);
    XSetWMNormalHints(display, window, hints.get());
}

// Adds the full-screen state to the window's _NET_WM_STATE unless it is
// there, for the manager to read when it maps the window.
void AddFullScreenState(Display* display, Window window) {
    const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
    const Atom fullScreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, state, 0, 64, False, XA_ATOM, &type, &format, &count,
                           &after, &data) != Success) {
        return;
    }
    using XData = OwnedHandle<unsigned char, XFree>;
    const XData held(data);
    // Xlib hands 32-bit properties over as longs.
    const auto* atoms = reinterpret_cast<const Atom*>(held.get());
    if (type == XA_ATOM && format == 32 &&
        std::find(atoms, atoms + count, fullScreen) != atoms + count) {
        return;
    }
    XChangeProperty(display, window, state, XA_ATOM, 32, PropModeAppend,
                    reinterpret_cast<const unsigned char*>(&fullScreen), 1);
}

// The window's place on the root and its size.
bool RectOnRoot(Display* display, Window window, SDL_Rect& rect) {
    Window root = 0;
    Window child = 0;
    unsigned width = 0;
    unsigned height = 0;
    unsigned border = 0;
    unsigned depth = 0;
    if (XGetGeometry(display, window, &root, &rect.x, &rect.y, &width, &height, &border, &depth) ==
            0 ||
        XTranslateCoordinates(display, window, root, 0, 0, &rect.x, &rect.y, &child) == False) {
        return false;
    }
    rect.w = static_cast<int>(width);
    rect.h = static_cast<int>(height);
    return true;
}

// Asks the manager to take the window out of full screen and put it back,
// which makes it size the window to its output's present mode.
void AskFullScreenAgain(Display* display, Window window) {
    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = window;
    request.xclient.message_type = XInternAtom(display, "_NET_WM_STATE", False);
    request.xclient.format = 32;
    request.xclient.data.l[1] =
        static_cast<long>(XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False));
    // The request comes from a normal application.
    request.xclient.data.l[3] = 1;
    const long remove = 0;
    const long add = 1;
    for (const long action : {remove, add}) {
        request.xclient.data.l[0] = action;
        XSendEvent(display, DefaultRootWindow(display), False,
                   SubstructureRedirectMask | SubstructureNotifyMask, &request);
    }
}

}  // namespace

bool PrepareFullScreenOnX11(SDL_Window* window) {
    const auto x11 = X11WindowOf(window);
    if (!x11) {
        return false;
    }
    Display* display = x11->Connection;
    if (ManagerRuns(display)) {
        DropPositionHints(display, x11->Id);
        AddFullScreenState(display, x11->Id);
    }
    XFlush(display);
    return true;
}

X11OutputFollower::X11OutputFollower(SDL_Window* window) : window_(window) {
    const auto x11 = X11WindowOf(window_);
    if (!x11) {
        return;
    }
    Display* display = x11->Connection;
    int errorBase = 0;
    if (XRRQueryExtension(display, &randrEventBase_, &errorBase) == False) {
        return;
    }
    // The root window's ConfigureNotify says the screen changed size; added
    // to whatever SDL already listens for there.
    const Window root = DefaultRootWindow(display);
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, root, &attributes) == 0) {
        return;
    }
    XSelectInput(display, root, attributes.your_event_mask | StructureNotifyMask);
    // This replaces SDL's own RandR selection, so it keeps what SDL asked for.
    XRRSelectInput(display, root,
                   RRScreenChangeNotifyMask | RRCrtcChangeNotifyMask | RROutputChangeNotifyMask);
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
    active_ = true;
}

void X11OutputFollower::Handle(const SDL_SysWMmsg& message) {
    if (!active_ || message.subsystem != SDL_SYSWM_X11) {
        return;
    }
    const XEvent& event = message.msg.x11.event;
    const Window root = DefaultRootWindow(event.xany.display);
    const bool rootChanged = event.type == ConfigureNotify && event.xconfigure.window == root;
    const bool outputsChanged = event.type == randrEventBase_ + RRScreenChangeNotify ||
                                event.type == randrEventBase_ + RRNotify;
    if (rootChanged || outputsChanged) {
        FitToOutput();
    }
}

void X11OutputFollower::FitToOutput() {
    const auto x11 = X11WindowOf(window_);
    if (!x11) {
        return;
    }
    Display* display = x11->Connection;
    const Window window = x11->Id;
    SDL_Rect current{};
    SDL_Rect output{};
    if (!RectOnRoot(display, window, current) ||
        !OutputAt(display, DefaultRootWindow(display),
                  {current.x + current.w / 2, current.y + current.h / 2}, output)) {
        return;
    }
    if (SDL_RectEquals(&output, &current) == SDL_TRUE) {
        askedFor_ = {};
        return;
    }
    if (!ManagerRuns(display)) {
        XMoveResizeWindow(display, window, output.x, output.y, static_cast<unsigned>(output.w),
                          static_cast<unsigned>(output.h));
    } else if (SDL_RectEquals(&output, &askedFor_) == SDL_FALSE) {
        // Most managers refit their full-screen windows by themselves, and
        // then this is never reached; some leave them at the old size. The
        // several events of one change ask once, never again while the
        // manager answers.
        askedFor_ = output;
        AskFullScreenAgain(display, window);
    }
    XFlush(display);
}

}  // namespace bumblorbs
