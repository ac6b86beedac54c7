// Reads what an X server shows, for the end-to-end tests:
//   xinspect count X Y W H RRGGBB   pixels of that colour in the area
//   xinspect dominant               the colour covering most of the screen
//   xinspect rows X Y W H RRGGBB    how many rows of the area hold that colour
//   xinspect widest                 the longest horizontal run of one colour
//                                   other than the dominant one
//   xinspect rim                    how many pixels lie between the background
//                                   and the widest run: a ball's outline and
//                                   its anti-aliasing, wider where blurred
//   xinspect icon WINDOW            the sizes in the window's _NET_WM_ICON
//   xinspect close WINDOW           asks the window to close, as a manager does
//   xinspect window X Y W H [KIND]  maps a grey window there, prints its ID and
//                                   keeps it until killed, as a saver's preview;
//                                   KIND argb makes it a compositor's 32-bit
//                                   ARGB window, input an input-only one
//   xinspect alpha WINDOW           the window's pixels that are not opaque,
//                                   then those that are not black
//   xinspect manager                a window manager that maps what asks to be
//                                   mapped and does nothing else, as the
//                                   simplest tiling managers; until killed
// With XINSPECT_SHOWN=1 in the environment, colours are read as the screen
// shows them: through the colormap installed, not the pixels' own values.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

int Fail(const char* message) {
    std::fprintf(stderr, "xinspect: %s\n", message);
    return 2;
}

// One component of a pixel, where `mask` says, widened to 8 bits.
unsigned long Component(unsigned long pixel, unsigned long mask) {
    if (mask == 0) {
        return 0;
    }
    const unsigned long lowest = mask & (~mask + 1);
    const unsigned long largest = mask / lowest;
    return ((pixel & mask) / lowest) * 255 / largest;
}

// Where colours are read as shown: the installed colormap, and what it
// shows for each pixel value asked so far.
Display* shownOn = nullptr;
Colormap shownThrough = None;
std::map<unsigned long, unsigned long> shownColours;

unsigned long Shown(unsigned long pixel) {
    const auto known = shownColours.find(pixel);
    if (known != shownColours.end()) {
        return known->second;
    }
    XColor colour{};
    colour.pixel = pixel;
    XQueryColor(shownOn, shownThrough, &colour);
    const unsigned long rgb = (colour.red >> 8U) << 16U | (colour.green >> 8U) << 8U |
                              static_cast<unsigned long>(colour.blue >> 8U);
    shownColours.emplace(pixel, rgb);
    return rgb;
}

// As RRGGBB, whatever the visual's depth and masks.
unsigned long Rgb(XImage* image, int x, int y) {
    const unsigned long pixel = XGetPixel(image, x, y);
    if (shownThrough != None) {
        return Shown(pixel);
    }
    return Component(pixel, image->red_mask) << 16 | Component(pixel, image->green_mask) << 8 |
           Component(pixel, image->blue_mask);
}

XImage* Grab(Display* display, int x, int y, int width, int height) {
    return XGetImage(display, DefaultRootWindow(display), x, y, static_cast<unsigned>(width),
                     static_cast<unsigned>(height), AllPlanes, ZPixmap);
}

// Where and how often a colour appears in an area given as X Y W H RRGGBB.
struct ColourInArea {
    long Pixels = 0;
    int Rows = 0;
};

bool FindColour(Display* display, char** argv, ColourInArea& found) {
    const int x = std::atoi(argv[0]);
    const int y = std::atoi(argv[1]);
    const int width = std::atoi(argv[2]);
    const int height = std::atoi(argv[3]);
    const unsigned long wanted = std::strtoul(argv[4], nullptr, 16);
    XImage* image = Grab(display, x, y, width, height);
    if (image == nullptr) {
        return false;
    }
    for (int j = 0; j < height; ++j) {
        long inRow = 0;
        for (int i = 0; i < width; ++i) {
            inRow += Rgb(image, i, j) == wanted ? 1 : 0;
        }
        found.Pixels += inRow;
        found.Rows += inRow > 0 ? 1 : 0;
    }
    XDestroyImage(image);
    return true;
}

XImage* GrabScreen(Display* display, int& width, int& height) {
    width = DisplayWidth(display, DefaultScreen(display));
    height = DisplayHeight(display, DefaultScreen(display));
    return Grab(display, 0, 0, width, height);
}

unsigned long DominantOf(XImage* image, int width, int height) {
    std::map<unsigned long, long> counts;
    for (int j = 0; j < height; j += 2) {
        for (int i = 0; i < width; i += 2) {
            ++counts[Rgb(image, i, j)];
        }
    }
    auto best = counts.begin();
    for (auto it = counts.begin(); it != counts.end(); ++it) {
        best = it->second > best->second ? it : best;
    }
    return best->first;
}

int Dominant(Display* display) {
    int width = 0;
    int height = 0;
    XImage* image = GrabScreen(display, width, height);
    if (image == nullptr) {
        return Fail("cannot read the screen");
    }
    std::printf("%06lX\n", DominantOf(image, width, height));
    XDestroyImage(image);
    return 0;
}

// `rim` says instead how many pixels before the run's start differ from
// the background.
int Widest(Display* display, bool rim) {
    int width = 0;
    int height = 0;
    XImage* image = GrabScreen(display, width, height);
    if (image == nullptr) {
        return Fail("cannot read the screen");
    }
    const unsigned long background = DominantOf(image, width, height);
    int widest = 0;
    int widestRow = 0;
    int widestStart = 0;
    for (int j = 0; j < height; ++j) {
        int run = 0;
        unsigned long previous = background;
        for (int i = 0; i < width; ++i) {
            const unsigned long pixel = Rgb(image, i, j);
            run = pixel == previous ? run + 1 : 1;
            previous = pixel;
            if (pixel != background && run > widest) {
                widest = run;
                widestRow = j;
                widestStart = i - run + 1;
            }
        }
    }
    int edge = 0;
    while (widestStart - edge - 1 >= 0 &&
           Rgb(image, widestStart - edge - 1, widestRow) != background) {
        ++edge;
    }
    XDestroyImage(image);
    std::printf("%d\n", rim ? edge : widest);
    return 0;
}

int Icon(Display* display, Window window) {
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const Atom icon = XInternAtom(display, "_NET_WM_ICON", False);
    if (XGetWindowProperty(display, window, icon, 0, 1 << 20, False, XA_CARDINAL, &type, &format,
                           &items, &after, &data) != Success ||
        data == nullptr) {
        return Fail("the window has no icon");
    }
    const auto* values = reinterpret_cast<const long*>(data);
    for (unsigned long at = 0; at + 1 < items;) {
        std::printf("%ldx%ld\n", values[at], values[at + 1]);
        at += 2 + static_cast<unsigned long>(values[at] * values[at + 1]);
    }
    XFree(data);
    return 0;
}

int Close(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
    return 0;
}

// A window of the kind asked for, black where it is transparent.
Window MakeWindow(Display* display, const char* kind, int x, int y, unsigned width,
                  unsigned height) {
    const Window root = DefaultRootWindow(display);
    const std::string asked = kind != nullptr ? kind : "";
    if (asked == "input") {
        XSetWindowAttributes none{};
        return XCreateWindow(display, root, x, y, width, height, 0, 0, InputOnly, CopyFromParent, 0,
                             &none);
    }
    XVisualInfo argb{};
    if (asked == "argb" &&
        XMatchVisualInfo(display, DefaultScreen(display), 32, TrueColor, &argb)) {
        XSetWindowAttributes attributes{};
        attributes.colormap = XCreateColormap(display, root, argb.visual, AllocNone);
        return XCreateWindow(display, root, x, y, width, height, 0, 32, InputOutput, argb.visual,
                             CWColormap | CWBackPixel | CWBorderPixel, &attributes);
    }
    return XCreateSimpleWindow(display, root, x, y, width, height, 0, 0, 0x808080);
}

// Another client's window, for the toy to draw into; it goes with this process.
int HoldWindow(Display* display, char** argv, const char* kind) {
    const Window window = MakeWindow(display, kind, std::atoi(argv[0]), std::atoi(argv[1]),
                                     static_cast<unsigned>(std::atoi(argv[2])),
                                     static_cast<unsigned>(std::atoi(argv[3])));
    XMapWindow(display, window);
    XSync(display, False);
    std::printf("%lu\n", window);
    std::fflush(stdout);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
    }
}

// Read from the window itself: the root's picture has no alpha.
int Alpha(Display* display, Window window) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) == 0) {
        return Fail("no such window");
    }
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (image == nullptr) {
        return Fail("cannot read the window");
    }
    const unsigned long depthBits =
        attributes.depth >= 32 ? 0xFFFFFFFFUL : (1UL << attributes.depth) - 1;
    const unsigned long alpha =
        depthBits & ~(image->red_mask | image->green_mask | image->blue_mask);
    long translucent = 0;
    long lit = 0;
    for (int y = 0; y < attributes.height; ++y) {
        for (int x = 0; x < attributes.width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            translucent += (pixel & alpha) != alpha ? 1 : 0;
            lit += Rgb(image, x, y) != 0 ? 1 : 0;
        }
    }
    XDestroyImage(image);
    std::printf("%ld %ld\n", translucent, lit);
    return 0;
}

int Manage(Display* display) {
    XSelectInput(display, DefaultRootWindow(display),
                 SubstructureRedirectMask | SubstructureNotifyMask);
    XSync(display, False);
    std::printf("managing\n");
    std::fflush(stdout);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapRequest) {
            XMapWindow(display, event.xmaprequest.window);
        } else if (event.type == ConfigureRequest) {
            const XConfigureRequestEvent& asked = event.xconfigurerequest;
            XWindowChanges changes{
                asked.x,     asked.y,     asked.width, asked.height, asked.border_width,
                asked.above, asked.detail};
            XConfigureWindow(display, asked.window, static_cast<unsigned>(asked.value_mask),
                             &changes);
        }
        XFlush(display);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return Fail("usage: xinspect count|dominant|icon|close|window|alpha ...");
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return Fail("cannot open the display");
    }
    const char* shown = std::getenv("XINSPECT_SHOWN");
    if (shown != nullptr && std::string(shown) == "1") {
        int count = 0;
        Colormap* installed = XListInstalledColormaps(display, DefaultRootWindow(display), &count);
        if (count > 0) {
            shownOn = display;
            shownThrough = installed[0];
        }
        XFree(installed);
    }
    const std::string command = argv[1];
    int status = 2;
    ColourInArea found;
    if ((command == "count" || command == "rows") && argc == 7) {
        if (FindColour(display, argv + 2, found)) {
            std::printf("%ld\n", command == "count" ? found.Pixels : found.Rows);
            status = 0;
        } else {
            status = Fail("cannot read the screen");
        }
    } else if ((command == "widest" || command == "rim") && argc == 2) {
        status = Widest(display, command == "rim");
    } else if (command == "dominant" && argc == 2) {
        status = Dominant(display);
    } else if (command == "icon" && argc == 3) {
        status = Icon(display, std::strtoul(argv[2], nullptr, 0));
    } else if (command == "window" && (argc == 6 || argc == 7)) {
        status = HoldWindow(display, argv + 2, argc == 7 ? argv[6] : nullptr);
    } else if (command == "manager" && argc == 2) {
        status = Manage(display);
    } else if (command == "alpha" && argc == 3) {
        status = Alpha(display, std::strtoul(argv[2], nullptr, 0));
    } else if (command == "close" && argc == 3) {
        status = Close(display, std::strtoul(argv[2], nullptr, 0));
    } else {
        status = Fail("unknown command or wrong arguments");
    }
    XCloseDisplay(display);
    return status;
}
