#include "host/app/x11_tile_canvas.h"

#include <X11/Xutil.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <iostream>

#include "host/app/window_system.h"
#include "host/sdl/host_fault.h"

namespace bumblorbs {
namespace {

bool attachFailed = false;
int NoteAttachFailure(Display* /*display*/, XErrorEvent* /*error*/) {
    attachFailed = true;
    return 0;
}

}  // namespace

X11TileCanvas::X11TileCanvas(SDL_Window* window) : window_(window) {
    const auto info = WindowSystemInfo(window_, SDL_SYSWM_X11);
    if (!info) {
        throw HostFault("the window is not an X11 window");
    }
    // The window must exist at the server before another connection names it.
    XSync(info->info.x11.display, False);
    target_ = info->info.x11.window;
    display_ = XOpenDisplay(DisplayString(info->info.x11.display));
    if (display_ == nullptr) {
        throw HostFault("cannot open a second connection to the X server");
    }
    XWindowAttributes attributes;
    XGetWindowAttributes(display_, target_, &attributes);
    const Visual* visual = attributes.visual;
    if (attributes.depth != 24 || visual->red_mask != 0xFF0000 || visual->green_mask != 0xFF00 ||
        visual->blue_mask != 0xFF) {
        XCloseDisplay(display_);
        throw HostFault("the X server's visual is not 24-bit true colour");
    }
    gc_ = XCreateGC(display_, target_, 0, nullptr);
    shared_ = AttachSharedMemory(attributes.visual);
    if (!shared_) {
        std::cerr << "Bumblorbs: the X server cannot share memory with the toy (a remote "
                     "display?); drawing over the connection instead, which is slower\n";
        plain_.resize(2 * HalfPixels);
        area_ = plain_.data();
        image_ = XCreateImage(display_, attributes.visual, 24, ZPixmap, 0,
                              reinterpret_cast<char*>(area_), 1, 1, 32, 4);
        image_->byte_order = LSBFirst;
    }
}

bool X11TileCanvas::AttachSharedMemory(Visual* visual) {
    if (XShmQueryExtension(display_) == False) {
        return false;
    }
    const std::size_t bytes = 2 * HalfPixels * sizeof(std::uint32_t);
    segment_.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (segment_.shmid < 0) {
        return false;
    }
    segment_.shmaddr = static_cast<char*>(shmat(segment_.shmid, nullptr, 0));
    // shmat's documented failure value.
    if (segment_.shmaddr == reinterpret_cast<char*>(-1)) {  // NOLINT(performance-no-int-to-ptr)
        shmctl(segment_.shmid, IPC_RMID, nullptr);
        return false;
    }
    segment_.readOnly = True;
    // A server on another machine refuses the attach with an error, which
    // is an answer here, not a fault.
    attachFailed = false;
    const XErrorHandler previous = XSetErrorHandler(&NoteAttachFailure);
    XShmAttach(display_, &segment_);
    XSync(display_, False);
    XSetErrorHandler(previous);
    // Marked for removal now, it goes away with the last process using it,
    // however the toy ends.
    shmctl(segment_.shmid, IPC_RMID, nullptr);
    if (attachFailed) {
        shmdt(segment_.shmaddr);
        return false;
    }
    image_ = XShmCreateImage(display_, visual, 24, ZPixmap, segment_.shmaddr, &segment_, 1, 1);
    if (image_ == nullptr) {
        XShmDetach(display_, &segment_);
        shmdt(segment_.shmaddr);
        return false;
    }
    area_ = reinterpret_cast<std::uint32_t*>(segment_.shmaddr);
    completionType_ = XShmGetEventBase(display_) + ShmCompletion;
    return true;
}

X11TileCanvas::~X11TileCanvas() {
    // Every put is done before the window goes, and the memory with it.
    XSync(display_, False);
    if (image_ != nullptr) {
        image_->data = nullptr;
        XDestroyImage(image_);
    }
    if (shared_) {
        XShmDetach(display_, &segment_);
        XSync(display_, False);
        shmdt(segment_.shmaddr);
    }
    XFreeGC(display_, gc_);
    XCloseDisplay(display_);
}

void X11TileCanvas::Present(ScenePainter& painter, const Scene& scene, const Damage& damage) {
    int width = 0;
    int height = 0;
    SDL_GetWindowSizeInPixels(window_, &width, &height);
    const PaintPlan plan = painter.Plan(scene, damage, width, height);
    if (!plan.Rects.empty()) {
        ComposeTiles(painter, scene, plan, *this);
    }
}

std::uint32_t* X11TileCanvas::Room(std::size_t pixels) {
    if (!inFrame_) {
        inFrame_ = true;
        // A frame starts in the first half whenever the server is done with
        // it: what was written there last is likely still in the cache.
        TakeCompletions();
        half_ = seen_ >= freeAfter_[0] ? 0 : 1;
        used_ = 0;
        WaitUntilFree(half_);
    } else if (used_ + pixels > HalfPixels) {
        CloseHalf();
        half_ = 1 - half_;
        used_ = 0;
        WaitUntilFree(half_);
    }
    std::uint32_t* room = area_ + static_cast<std::size_t>(half_) * HalfPixels + used_;
    used_ += pixels;
    return room;
}

void X11TileCanvas::Send(const Tile& tile) {
    // Each tile goes when the next one comes, so that the last one of a
    // half can ask to be told when the server is done with it.
    if (holding_) {
        Put(held_, false);
    }
    held_ = tile;
    holding_ = true;
}

void X11TileCanvas::EndFrame() {
    CloseHalf();
    inFrame_ = false;
    XFlush(display_);
}

void X11TileCanvas::CloseHalf() {
    if (holding_) {
        Put(held_, shared_);
        holding_ = false;
        if (shared_) {
            freeAfter_[static_cast<std::size_t>(half_)] = ++asked_;
        }
    }
}

void X11TileCanvas::TakeCompletions() {
    XEvent event;
    while (seen_ < asked_ && XCheckTypedEvent(display_, completionType_, &event) == True) {
        ++seen_;
    }
}

void X11TileCanvas::WaitUntilFree(int half) {
    const std::uint64_t needed = freeAfter_[static_cast<std::size_t>(half)];
    if (seen_ < needed) {
        TakeCompletions();
    }
    XEvent event;
    while (seen_ < needed) {
        XNextEvent(display_, &event);
        if (event.type == completionType_) {
            ++seen_;
        }
    }
}

void X11TileCanvas::Put(const Tile& tile, bool notify) {
    image_->width = tile.Area.w;
    image_->height = tile.Area.h;
    image_->bytes_per_line = tile.Area.w * 4;
    image_->data = reinterpret_cast<char*>(tile.Pixels);
    const auto width = static_cast<unsigned>(tile.Area.w);
    const auto height = static_cast<unsigned>(tile.Area.h);
    if (shared_) {
        XShmPutImage(display_, target_, gc_, image_, 0, 0, tile.Area.x, tile.Area.y, width, height,
                     notify ? True : False);
    } else {
        XPutImage(display_, target_, gc_, image_, 0, 0, tile.Area.x, tile.Area.y, width, height);
    }
}

}  // namespace bumblorbs
