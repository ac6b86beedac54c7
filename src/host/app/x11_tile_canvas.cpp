#include "host/app/x11_tile_canvas.h"

#include <X11/Xutil.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>

#include "host/app/window_system.h"
#include "host/paint/surface_ops.h"
#include "host/sdl/host_fault.h"

namespace bumblorbs {
namespace {

bool attachFailed = false;
// What the last failed Attach was refused, for the user.
std::string refusal;
int NoteAttachFailure(Display* /*display*/, XErrorEvent* /*error*/) {
    attachFailed = true;
    return 0;
}

// The furthest a ball's slot reaches beyond its square: half the square,
// more than the fastest ball moves in a tick.
int MaxReach(int diameter) { return diameter / 2; }

// Pixels a ball's slot has room for.
std::size_t SlotPixelCount(int diameter) {
    const auto reach = static_cast<std::size_t>(MaxReach(diameter));
    const auto side = static_cast<std::size_t>(diameter);
    return (side + reach) * (side + 2 * reach);
}

// An image of 0x00RRGGBB pixels in the client's memory, for XPutImage.
XImage ClientImage(const std::uint32_t* pixels, int width, int height) {
    XImage image{};
    image.width = width;
    image.height = height;
    image.format = ZPixmap;
    // Xlib only reads the pixels of an image it is asked to put.
    image.data = const_cast<char*>(reinterpret_cast<const char*>(pixels));
    image.byte_order = LSBFirst;
    image.bitmap_unit = 32;
    image.bitmap_bit_order = LSBFirst;
    image.bitmap_pad = 32;
    image.depth = 24;
    image.bytes_per_line = width * 4;
    image.bits_per_pixel = 32;
    image.red_mask = 0xFF0000;
    image.green_mask = 0xFF00;
    image.blue_mask = 0xFF;
    XInitImage(&image);
    return image;
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
    visual_ = attributes.visual;
    gc_ = XCreateGC(display_, target_, 0, nullptr);
    refusal = "the X server offers no shared memory";
    shared_ = XShmQueryExtension(display_) == True && Attach(tiles_, 2 * HalfPixels);
    if (shared_) {
        area_ = tiles_.Pixels();
        completionType_ = XShmGetEventBase(display_) + ShmCompletion;
    } else {
        std::cerr << "Bumblorbs: cannot share memory with the X server (" << refusal
                  << "); drawing over the connection instead, which is slower\n";
        plain_.resize(2 * HalfPixels);
        area_ = plain_.data();
    }
}

bool X11TileCanvas::Attach(SharedArea& area, std::size_t pixels) {
    XShmSegmentInfo& segment = area.Segment;
    segment.shmid = shmget(IPC_PRIVATE, pixels * sizeof(std::uint32_t), IPC_CREAT | 0600);
    if (segment.shmid < 0) {
        refusal = "the system refused " + std::to_string(pixels * sizeof(std::uint32_t)) +
                  " bytes of shared memory: " + std::strerror(errno);
        return false;
    }
    segment.shmaddr = static_cast<char*>(shmat(segment.shmid, nullptr, 0));
    // shmat's documented failure value.
    if (segment.shmaddr == reinterpret_cast<char*>(-1)) {  // NOLINT(performance-no-int-to-ptr)
        refusal = std::string("the system refused to map shared memory: ") + std::strerror(errno);
        shmctl(segment.shmid, IPC_RMID, nullptr);
        return false;
    }
    segment.readOnly = True;
    // A server on another machine refuses the attach with an error, which
    // is an answer here, not a fault.
    attachFailed = false;
    const XErrorHandler previous = XSetErrorHandler(&NoteAttachFailure);
    XShmAttach(display_, &segment);
    XSync(display_, False);
    XSetErrorHandler(previous);
    // Marked for removal now, it goes away with the last process using it,
    // however the toy ends.
    shmctl(segment.shmid, IPC_RMID, nullptr);
    if (attachFailed) {
        refusal = "the X server refused to attach the toy's shared memory";
        shmdt(segment.shmaddr);
        return false;
    }
    area.Image = XShmCreateImage(display_, visual_, 24, ZPixmap, segment.shmaddr, &segment, 1, 1);
    if (area.Image == nullptr) {
        refusal = "Xlib could not make an image of the shared memory";
        XShmDetach(display_, &segment);
        shmdt(segment.shmaddr);
        return false;
    }
    return true;
}

void X11TileCanvas::Detach(SharedArea& area) {
    if (area.Image == nullptr) {
        return;
    }
    // The server must have read everything put from the memory.
    XSync(display_, False);
    area.Image->data = nullptr;
    XDestroyImage(area.Image);
    area.Image = nullptr;
    XShmDetach(display_, &area.Segment);
    XSync(display_, False);
    shmdt(area.Segment.shmaddr);
}

X11TileCanvas::~X11TileCanvas() {
    // Every put is done before the window goes, and the memory with it.
    XSync(display_, False);
    Detach(tiles_);
    Detach(sprites_);
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
    // Frames follow each other in one half until it is full, so the server's
    // completion notices are read only when the canvas turns to the other.
    if (used_ + pixels > HalfPixels) {
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

bool X11TileCanvas::PaintPlain(const PaintPlan& plan, const SDL_Rect& area, const PlainArea& plain,
                               BallSprite* sprite, std::uint32_t background) {
    // A frame has one background.
    fillsPixel_ = background;
    if (plain.Ball && PutMovedBall(plan, area, *plain.Ball, *sprite, background)) {
        return true;
    }
    SDL_Rect covered{};
    if (plain.Ball) {
        SDL_IntersectRect(&plain.Square, &area, &covered);
        PutSprite(*plain.Ball, *sprite, background, plain.Square, covered);
    }
    const RectsAround around = AroundHole(area, covered);
    for (std::size_t i = 0; i < around.Count; ++i) {
        const SDL_Rect& rect = around.Rects[i];
        fills_.push_back({static_cast<short>(rect.x), static_cast<short>(rect.y),
                          static_cast<unsigned short>(rect.w),
                          static_cast<unsigned short>(rect.h)});
    }
    return true;
}

bool X11TileCanvas::SlotContent::SameLook(const SlotContent& other) const {
    return Diameter == other.Diameter && Fill == other.Fill && Border == other.Border &&
           Background == other.Background;
}

X11TileCanvas::SlotContent X11TileCanvas::SlotFor(std::size_t ball, const BallSprite& sprite,
                                                  std::uint32_t background) const {
    const SlotContent look{sprite.Diameter(), sprite.Fill(), sprite.Border(), background};
    const SlotContent& held = slots_[ball].Content;
    return held.SameLook(look) ? held : look;
}

bool X11TileCanvas::PutMovedBall(const PaintPlan& plan, const SDL_Rect& area, std::size_t ball,
                                 BallSprite& sprite, std::uint32_t background) {
    if (!shared_ || slotsRefused_) {
        return false;
    }
    // How far the area reaches beyond the ball's square on each side: the
    // way it came, as far as it moved.
    const SDL_Rect& square = plan.Circles[ball];
    const int diameter = square.w;
    const int left = square.x - area.x;
    const int right = area.x + area.w - square.x - diameter;
    const int up = square.y - area.y;
    const int down = area.y + area.h - square.y - diameter;
    if (std::min({left, right, up, down}) < 0 ||
        std::max({left, right, up, down}) > MaxReach(diameter)) {
        return false;
    }
    // A slot keeps the furthest reach it has had, so a ball whose moves
    // alternate between two lengths does not rewrite it every tick.
    SlotContent wanted = SlotFor(ball, sprite, background);
    wanted.ReachX = std::max({wanted.ReachX, left, right});
    wanted.ReachY = std::max({wanted.ReachY, up, down});
    if (left != right) {
        wanted.PadLeft = left > right;
    }
    // The slot's rows may be wider than the area; what they cover beyond it
    // must show only the background now.
    const SDL_Point at = wanted.Square();
    const SDL_Rect put{square.x - at.x, area.y, wanted.Width(), area.h};
    const std::optional<PlainArea> plain = FindPlainArea(plan, put);
    if (!plain || plain->Ball != ball) {
        return false;
    }
    const std::uint32_t* pixels = SlotPixels(ball, sprite, wanted);
    if (pixels == nullptr) {
        return false;
    }
    PutFromSlot(ball, pixels, wanted, {0, at.y - up}, put);
    return true;
}

void X11TileCanvas::PutSprite(std::size_t ball, BallSprite& sprite, std::uint32_t background,
                              const SDL_Rect& square, const SDL_Rect& part) {
    const SlotContent wanted = SlotFor(ball, sprite, background);
    const SDL_Point from{part.x - square.x, part.y - square.y};
    const std::uint32_t* pixels = SlotPixels(ball, sprite, wanted);
    if (pixels == nullptr) {
        XImage image =
            ClientImage(sprite.ComposedOver(background), wanted.Diameter, wanted.Diameter);
        XPutImage(display_, target_, gc_, &image, from.x, from.y, part.x, part.y,
                  static_cast<unsigned>(part.w), static_cast<unsigned>(part.h));
        return;
    }
    const SDL_Point at = wanted.Square();
    PutFromSlot(ball, pixels, wanted, {at.x + from.x, at.y + from.y}, part);
}

const std::uint32_t* X11TileCanvas::SlotPixels(std::size_t ball, BallSprite& sprite,
                                               const SlotContent& wanted) {
    if (!shared_ || slotsRefused_) {
        return nullptr;
    }
    if (wanted.Diameter > slotSize_) {
        Detach(sprites_);
        slotSize_ = 0;
        if (!Attach(sprites_, BallCount * SlotPixelCount(wanted.Diameter))) {
            // Not asked again on every tick; the squares go over the
            // connection instead.
            slotsRefused_ = true;
            return nullptr;
        }
        slotSize_ = wanted.Diameter;
        slots_.fill({});
    }
    std::uint32_t* slot = sprites_.Pixels() + ball * SlotPixelCount(slotSize_);
    SpriteSlot& held = slots_[ball];
    if (held.Content != wanted) {
        // The server may not have read the slot for the last put from it.
        if (LastKnownRequestProcessed(display_) < held.LastPut) {
            XSync(display_, False);
        }
        const auto width = static_cast<std::size_t>(wanted.Width());
        std::fill_n(slot, width * static_cast<std::size_t>(wanted.Height()), wanted.Background);
        const std::uint32_t* square = sprite.ComposedOver(wanted.Background);
        const SDL_Point at = wanted.Square();
        const auto diameter = static_cast<std::size_t>(wanted.Diameter);
        for (std::size_t row = 0; row < diameter; ++row) {
            std::copy_n(square + row * diameter, diameter,
                        slot + (static_cast<std::size_t>(at.y) + row) * width +
                            static_cast<std::size_t>(at.x));
        }
        held.Content = wanted;
    }
    return slot;
}

void X11TileCanvas::PutFromSlot(std::size_t ball, const std::uint32_t* pixels,
                                const SlotContent& content, SDL_Point from, const SDL_Rect& to) {
    XImage* image = sprites_.Image;
    image->width = content.Width();
    image->height = content.Height();
    image->bytes_per_line = content.Width() * 4;
    image->data = const_cast<char*>(reinterpret_cast<const char*>(pixels));
    slots_[ball].LastPut = NextRequest(display_);
    XShmPutImage(display_, target_, gc_, image, from.x, from.y, to.x, to.y,
                 static_cast<unsigned>(to.w), static_cast<unsigned>(to.h), False);
}

void X11TileCanvas::EndFrame() {
    if (!fills_.empty()) {
        if (gcPixel_ != fillsPixel_) {
            XSetForeground(display_, gc_, fillsPixel_);
            gcPixel_ = fillsPixel_;
        }
        XFillRectangles(display_, target_, gc_, fills_.data(), static_cast<int>(fills_.size()));
        fills_.clear();
    }
    CloseHalf();
    // Frames of small tiles may fill a half only after thousands of
    // notices; they are taken now and then so they never pile up unread.
    if (asked_ - seen_ >= UnreadNoticesAtMost) {
        TakeCompletions();
    }
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
    const auto width = static_cast<unsigned>(tile.Area.w);
    const auto height = static_cast<unsigned>(tile.Area.h);
    if (shared_) {
        XImage* image = tiles_.Image;
        image->width = tile.Area.w;
        image->height = tile.Area.h;
        image->bytes_per_line = tile.Area.w * 4;
        image->data = reinterpret_cast<char*>(tile.Pixels);
        XShmPutImage(display_, target_, gc_, image, 0, 0, tile.Area.x, tile.Area.y, width, height,
                     notify ? True : False);
    } else {
        XImage image = ClientImage(tile.Pixels, tile.Area.w, tile.Area.h);
        XPutImage(display_, target_, gc_, &image, 0, 0, tile.Area.x, tile.Area.y, width, height);
    }
}

}  // namespace bumblorbs
