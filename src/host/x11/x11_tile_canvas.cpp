#include "host/x11/x11_tile_canvas.h"

#include <X11/Xlib.h>

#include <string>
#include <string_view>
#include <vector>

#include "host/core/host_fault.h"
#include "host/core/owned_handle.h"
#include "host/core/say.h"
#include "host/paint/pixel_ops.h"
#include "host/paint/tile_composer.h"
#include "host/x11/ball_slots.h"
#include "host/x11/server_gc.h"
#include "host/x11/tile_ring.h"
#include "host/x11/x11_window.h"

namespace bumblorbs {
namespace {

using Connection = OwnedHandle<Display, XCloseDisplay>;

// A connection of the canvas's own to the server of `x11`'s window.
Connection OpenConnection(const X11Window& x11) {
    // The window must exist at the server before another connection names it.
    XSync(x11.Connection, False);
    Connection display(XOpenDisplay(DisplayString(x11.Connection)));
    if (!display) {
        throw HostFault("cannot open a second connection to the X server");
    }
    return display;
}

X11Window X11WindowOrFault(SDL_Window* window) {
    const auto x11 = X11WindowOf(window);
    if (!x11) {
        throw HostFault("the window is not an X11 window");
    }
    return *x11;
}

// The tiles hold 0x00RRGGBB pixels, which only a 24-bit TrueColor visual
// with those masks shows as they are.
bool TakesTiles(const XWindowAttributes& attributes) {
    const Visual* visual = attributes.visual;
    return visual->c_class == TrueColor && attributes.depth == 24 && visual->red_mask == 0xFF0000 &&
           visual->green_mask == 0xFF00 && visual->blue_mask == 0xFF;
}

std::string_view ClassName(int visualClass) {
    switch (visualClass) {
        case StaticGray: return "StaticGray";
        case GrayScale: return "GrayScale";
        case StaticColor: return "StaticColor";
        case PseudoColor: return "PseudoColor";
        case TrueColor: return "TrueColor";
        case DirectColor: return "DirectColor";
        default: return "unknown";
    }
}

Visual* TrueColourVisual(Display* display, Window window) {
    const XWindowAttributes attributes = AttributesOf({display, window});
    if (!TakesTiles(attributes)) {
        throw HostFault("the window's visual cannot take the tiles' pixels");
    }
    return attributes.visual;
}

}  // namespace

// The frames' painting on the canvas's connection: the tiles, the balls'
// slots, and the background's fills around the balls' squares.
class X11TileCanvas::Frames final : public TileSink {
public:
    explicit Frames(const X11Window& x11)
        : display_(OpenConnection(x11)),
          target_(x11.Id),
          visual_(TrueColourVisual(display_.get(), target_)),
          gc_(MakeGC(display_.get(), target_)),
          ring_(display_.get(), visual_, target_, gc_->Context),
          slots_(display_.get(), visual_, target_, gc_->Context, ring_.Shared()) {
        if (!ring_.Shared()) {
            Say("cannot share memory with the X server (" + ring_.Refusal() +
                "); drawing over the connection instead, which is slower");
        }
    }
    ~Frames() override {
        // Every put is done before the window goes, and the memory with it.
        XSync(display_.get(), False);
    }
    Frames(const Frames&) = delete;
    Frames& operator=(const Frames&) = delete;

    void Finish() { XSync(display_.get(), False); }

private:
    std::size_t MaxTilePixels() const override { return TileRing::HalfPixels; }
    std::uint32_t* Room(std::size_t pixels) override { return ring_.Room(pixels); }
    void Send(const Tile& tile) override { ring_.Send(tile); }
    bool PaintPlain(const PaintPlan& plan, const PixelRect& area, const PlainArea& plain,
                    const BallSprite* sprite, std::uint32_t background) override;
    void EndFrame() override;

    Connection display_;
    Window target_;
    Visual* visual_;
    GCHandle gc_;
    TileRing ring_;
    BallSlots slots_;
    // The background around the balls' squares, filled at the end of the
    // frame in one request, and its colour; and the colour the GC has now
    // (a new GC's is 0).
    std::vector<XRectangle> fills_;
    std::uint32_t fillsPixel_ = 0;
    std::uint32_t gcPixel_ = 0;
};

bool X11TileCanvas::Frames::PaintPlain(const PaintPlan& plan, const PixelRect& area,
                                       const PlainArea& plain, const BallSprite* sprite,
                                       std::uint32_t background) {
    // A frame has one background.
    fillsPixel_ = background;
    if (plain.Ball && slots_.PutMovedBall(plan, area, *plain.Ball, *sprite, background)) {
        return true;
    }
    PixelRect covered{};
    if (plain.Ball) {
        Intersect(plain.Square, area, covered);
        slots_.PutSquare(*plain.Ball, *sprite, background, plain.Square, covered);
    }
    const RectsAround around = AroundHole(area, covered);
    for (std::size_t i = 0; i < around.Count; ++i) {
        const PixelRect& rect = around.Rects[i];
        fills_.push_back({static_cast<short>(rect.x), static_cast<short>(rect.y),
                          static_cast<unsigned short>(rect.w),
                          static_cast<unsigned short>(rect.h)});
    }
    return true;
}

void X11TileCanvas::Frames::EndFrame() {
    Display* display = display_.get();
    if (!fills_.empty()) {
        if (gcPixel_ != fillsPixel_) {
            XSetForeground(display, gc_->Context, fillsPixel_);
            gcPixel_ = fillsPixel_;
        }
        XFillRectangles(display, target_, gc_->Context, fills_.data(),
                        static_cast<int>(fills_.size()));
        fills_.clear();
    }
    ring_.EndFrame();
    XFlush(display);
}

X11TileCanvas::X11TileCanvas(SDL_Window* window)
    : X11TileCanvas(X11WindowOrFault(window), [window] {
          SDL_Point size{0, 0};
          SDL_GetWindowSizeInPixels(window, &size.x, &size.y);
          return size;
      }) {}

X11TileCanvas::X11TileCanvas(const X11Window& target, std::function<SDL_Point()> pixelSize)
    : pixelSize_(std::move(pixelSize)), frames_(std::make_unique<Frames>(target)) {}

X11TileCanvas::~X11TileCanvas() = default;

void X11TileCanvas::Present(SceneFrame& frame) {
    const SDL_Point size = pixelSize_();
    const PaintPlan plan = frame.PlanFor(frame.Changes(), size.x, size.y);
    if (!plan.Rects.empty()) {
        frame.Compose(plan, *frames_);
    }
}

void X11TileCanvas::Finish() { frames_->Finish(); }

std::string VisualUnfitForTiles(SDL_Window* window) {
    return VisualUnfitForTiles(X11WindowOrFault(window));
}

std::string VisualUnfitForTiles(const X11Window& x11) {
    const XWindowAttributes attributes = AttributesOf(x11);
    if (TakesTiles(attributes)) {
        return {};
    }
    return std::to_string(attributes.depth) + "-bit " +
           std::string(ClassName(attributes.visual->c_class));
}

}  // namespace bumblorbs
