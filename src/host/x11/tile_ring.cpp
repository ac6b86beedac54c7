#include "host/x11/tile_ring.h"

#include <X11/extensions/XShm.h>

namespace bumblorbs {

TileRing::TileRing(Display* display, Visual* visual, Window window, GC gc)
    : display_(display), window_(window), gc_(gc), image_(display, visual) {
    if (image_.Offered() && image_.Attach(2 * HalfPixels)) {
        halves_ = image_.Pixels();
        notices_.Type = XShmGetEventBase(display_) + ShmCompletion;
    } else {
        unshared_.resize(2 * HalfPixels);
        halves_ = unshared_.data();
    }
}

std::uint32_t* TileRing::Room(std::size_t pixels) {
    // Frames follow each other in one half until it is full, so the server's
    // completion notices are read only when the ring turns to the other.
    if (used_ + pixels > HalfPixels) {
        CloseHalf();
        half_ = 1 - half_;
        used_ = 0;
        WaitUntilFree(half_);
    }
    std::uint32_t* room = halves_ + static_cast<std::size_t>(half_) * HalfPixels + used_;
    used_ += pixels;
    return room;
}

void TileRing::Send(const Tile& tile) {
    // Each tile goes when the next one comes, so that the last one of a
    // half can ask to be told when the server is done with it.
    if (held_) {
        Put(*held_, false);
    }
    held_ = tile;
}

void TileRing::EndFrame() {
    // The frame's last tile goes without asking for a notice: the server
    // then has nothing to send back, and the flush nothing to read.
    if (held_) {
        Put(*held_, false);
        held_.reset();
    }
}

void TileRing::CloseHalf() {
    if (held_) {
        Put(*held_, true);
        held_.reset();
        notices_.FreeAfter[static_cast<std::size_t>(half_)] = notices_.Asked;
    } else if (Shared()) {
        // The half's last tile went at the end of a frame, unasked: the
        // notice of the next tile, read after it, says the server is done
        // with this half too.
        notices_.Owed = true;
        notices_.FreeAfter[static_cast<std::size_t>(half_)] = notices_.Asked + 1;
    }
}

void TileRing::TakeCompletions() {
    XEvent event;
    while (notices_.Seen < notices_.Asked &&
           XCheckTypedEvent(display_, notices_.Type, &event) == True) {
        ++notices_.Seen;
    }
}

void TileRing::WaitUntilFree(int half) {
    const std::uint64_t needed = notices_.FreeAfter[static_cast<std::size_t>(half)];
    if (notices_.Seen < needed) {
        TakeCompletions();
    }
    XEvent event;
    while (notices_.Seen < needed) {
        XNextEvent(display_, &event);
        if (event.type == notices_.Type) {
            ++notices_.Seen;
        }
    }
}

void TileRing::Put(const Tile& tile, bool notify) {
    const bool ask = Shared() && (notify || notices_.Owed);
    if (ask) {
        ++notices_.Asked;
        notices_.Owed = false;
    }
    image_.Put(window_, gc_, tile.Pixels, tile.Area.w, tile.Area.h, {0, 0}, tile.Area, ask);
}

}  // namespace bumblorbs
