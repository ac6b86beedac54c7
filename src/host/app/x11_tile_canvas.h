#pragma once

#include <SDL.h>
#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

#include <array>
#include <cstdint>
#include <vector>

#include "host/app/window_canvas.h"
#include "host/paint/tile_composer.h"

namespace bumblorbs {

// Paints an X11 window tile by tile. Where a damaged rectangle shows only
// the background and one ball, the server paints it itself: it fills the
// background and copies the ball's square, blended over the background
// once, from a pixmap that holds every ball's. Any other rectangle is
// composed into a small, tightly packed tile of a shared-memory area of
// about 1 MB and sent with one XShmPutImage; no copy of the whole window is kept, so
// memory does not grow with the screen. The area has two halves: a frame
// is composed in the first one when the server has finished reading it,
// and in the other while it has not, so the canvas waits only if the
// server has not finished with either. The connection is the canvas's
// own, so the server's completion notices never wake the event loop. Where the server cannot
// share memory (a remote display) the same tiles go by XPutImage.
class X11TileCanvas final : public WindowCanvas, private TileSink {
public:
    explicit X11TileCanvas(SDL_Window* window);
    ~X11TileCanvas() override;
    X11TileCanvas(const X11TileCanvas&) = delete;
    X11TileCanvas& operator=(const X11TileCanvas&) = delete;

    void Present(ScenePainter& painter, const Scene& scene, const Damage& damage) override;
    // Waits until the server has drawn every tile sent so far, for reading
    // the window back.
    void Finish() { XSync(display_, False); }

    // Pixels in each half of the shared area.
    static constexpr std::size_t HalfPixels = std::size_t{128} * 1024;

private:
    std::size_t MaxTilePixels() const override { return HalfPixels; }
    std::uint32_t* Room(std::size_t pixels) override;
    void Send(const Tile& tile) override;
    bool PaintPlain(const SDL_Rect& area, const PlainArea& plain, BallSprite* sprite,
                    std::uint32_t background) override;
    void EndFrame() override;

    // Where the ball's square, blended over the background, stands in the
    // sprite pixmap; puts it there first if it is not there yet.
    SDL_Point PlaceSprite(std::size_t ball, BallSprite& sprite, std::uint32_t background);
    void FillPending();

    bool AttachSharedMemory(Visual* visual);
    void Put(const Tile& tile, bool notify);
    // Sends the current half's last tile, asking to be told when the
    // server has read the half.
    void CloseHalf();
    // Counts the completion notices that have arrived, without waiting.
    void TakeCompletions();
    void WaitUntilFree(int half);

    SDL_Window* window_;
    Display* display_ = nullptr;
    Window target_ = 0;
    GC gc_ = nullptr;
    XImage* image_ = nullptr;
    XShmSegmentInfo segment_{};
    bool shared_ = false;
    int completionType_ = 0;
    std::vector<std::uint32_t> plain_;  // the area where memory is not shared
    std::uint32_t* area_ = nullptr;
    int half_ = 0;
    std::size_t used_ = 0;
    bool inFrame_ = false;
    // Completion notices asked for and seen so far, and the count each half
    // must see before it may be written again.
    std::uint64_t asked_ = 0;
    std::uint64_t seen_ = 0;
    std::array<std::uint64_t, 2> freeAfter_{};
    bool holding_ = false;
    Tile held_;

    // What each slot of the sprite pixmap holds.
    struct SpriteSlot {
        int Diameter = 0;
        Colour Fill = 0;
        Colour Border = 0;
        std::uint32_t Background = 0;
        bool operator==(const SpriteSlot&) const = default;
    };
    Pixmap sprites_ = 0;
    int slotSize_ = 0;
    std::array<SpriteSlot, BallCount> slots_{};
    // The background around the balls' squares, filled at the end of the
    // frame in one request, and its colour; and the colour the GC has now.
    std::vector<XRectangle> fills_;
    std::uint32_t fillsPixel_ = 0;
    std::uint32_t gcPixel_ = 0;
    bool gcPixelSet_ = false;
};

}  // namespace bumblorbs
