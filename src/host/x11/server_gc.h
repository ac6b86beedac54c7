#pragma once

#include <X11/Xlib.h>

#include "host/core/owned_handle.h"

namespace bumblorbs {

// A GC and the connection it was made on, where it is freed.
struct ServerGC {
    Display* Connection = nullptr;
    GC Context = nullptr;
};
void FreeServerGC(ServerGC* gc);
using GCHandle = OwnedHandle<ServerGC, FreeServerGC>;

// A GC for drawing on `window`, with the defaults.
GCHandle MakeGC(Display* display, Window window);

}  // namespace bumblorbs
