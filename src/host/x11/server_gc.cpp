#include "host/x11/server_gc.h"

#include "host/core/host_fault.h"

namespace bumblorbs {

void FreeServerGC(ServerGC* gc) {
    XFreeGC(gc->Connection, gc->Context);
    delete gc;
}

GCHandle MakeGC(Display* display, Window window) {
    GC gc = XCreateGC(display, window, 0, nullptr);
    if (gc == nullptr) {
        throw HostFault("cannot make a graphics context for the window (XCreateGC)");
    }
    return GCHandle(new ServerGC{display, gc});
}

}  // namespace bumblorbs
