#pragma once

#include <SDL.h>
#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

#include <array>
#include <cstdint>
#include <vector>

#include "host/paint/tile_composer.h"

namespace bumblorbs {

// Paints an X11 window through memory shared with the server, on a
// connection of the canvas's own, so the server's completion notices never
// wake the event loop. No copy of the whole window is kept, so memory does
// not grow with the screen.
//
// Where a damaged rectangle shows only the background and one ball, it is
// put straight from the ball's slot: the ball's square blended over the
// background once, with as much background beside it as the ball moves in
// a tick. Where the slot cannot cover the rectangle, the square is put from
// it and the background around is filled, with the other fills of the
// frame in one request. Any other rectangle is composed into a small,
// tightly packed tile of an area of about 1 MB and sent with one
// XShmPutImage. The area has two halves: frames follow each other in one
// until it is full, and the canvas turns to the other, waiting only if the
// server has not yet read it. Where the server cannot share memory (a
// remote display) the squares and tiles go by XPutImage.
class X11TileCanvas final : private TileSink {
public:
    explicit X11TileCanvas(SDL_Window* window);
    ~X11TileCanvas() override;
    X11TileCanvas(const X11TileCanvas&) = delete;
    X11TileCanvas& operator=(const X11TileCanvas&) = delete;

    void Present(ScenePainter& painter, const Scene& scene, const Damage& damage);
    // Waits until the server has drawn every tile sent so far, for reading
    // the window back.
    void Finish() { XSync(display_, False); }

private:
    // Pixels in each half of the shared area.
    static constexpr std::size_t HalfPixels = std::size_t{128} * 1024;
    // Completion notices left unread at most, a few kilobytes.
    static constexpr std::uint64_t UnreadNoticesAtMost = 64;

    std::size_t MaxTilePixels() const override { return HalfPixels; }
    std::uint32_t* Room(std::size_t pixels) override;
    void Send(const Tile& tile) override;
    bool PaintPlain(const PaintPlan& plan, const SDL_Rect& area, const PlainArea& plain,
                    BallSprite* sprite, std::uint32_t background) override;
    void EndFrame() override;

    // Memory the server reads images from, and the image that names it.
    struct SharedArea {
        XShmSegmentInfo Segment{};
        XImage* Image = nullptr;
        std::uint32_t* Pixels() const { return reinterpret_cast<std::uint32_t*>(Segment.shmaddr); }
    };
    bool Attach(SharedArea& area, std::size_t pixels);
    void Detach(SharedArea& area);

    // What a ball's slot holds: its square blended over the background,
    // with `ReachX` columns of background on the square's left (`PadLeft`)
    // or right, and `ReachY` rows above and below it, row after row.
    struct SlotContent {
        int Diameter = 0;
        Colour Fill = 0;
        Colour Border = 0;
        std::uint32_t Background = 0;
        int ReachX = 0;
        int ReachY = 0;
        bool PadLeft = false;

        int Width() const { return Diameter + ReachX; }
        int Height() const { return Diameter + 2 * ReachY; }
        SDL_Point Square() const { return {PadLeft ? ReachX : 0, ReachY}; }
        bool SameLook(const SlotContent& other) const;
        bool operator==(const SlotContent&) const = default;
    };

    // What the ball's slot holds now where it shows the ball's look over
    // this background, else the bare square.
    SlotContent SlotFor(std::size_t ball, const BallSprite& sprite, std::uint32_t background) const;
    // Puts the whole area a lone ball's move damaged with one request from
    // its slot, where the slot's rows can cover it; says whether it did.
    bool PutMovedBall(const PaintPlan& plan, const SDL_Rect& area, std::size_t ball,
                      BallSprite& sprite, std::uint32_t background);
    // Puts `part` of the ball's square, which stands at `square` in the
    // window, blended over the background.
    void PutSprite(std::size_t ball, BallSprite& sprite, std::uint32_t background,
                   const SDL_Rect& square, const SDL_Rect& part);
    // The ball's slot in the shared memory, made to hold `wanted` first if
    // it does not yet; null where the memory is not shared.
    const std::uint32_t* SlotPixels(std::size_t ball, BallSprite& sprite,
                                    const SlotContent& wanted);
    // Puts `to.w` x `to.h` pixels of the slot, from `from` in it, at `to`.
    void PutFromSlot(std::size_t ball, const std::uint32_t* pixels, const SlotContent& content,
                     SDL_Point from, const SDL_Rect& to);
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
    Visual* visual_ = nullptr;
    SharedArea tiles_;
    bool shared_ = false;
    int completionType_ = 0;
    std::vector<std::uint32_t> plain_;  // the area where memory is not shared
    std::uint32_t* area_ = nullptr;
    int half_ = 0;
    std::size_t used_ = 0;
    // Completion notices asked for and seen so far, and the count each half
    // must see before it may be written again.
    std::uint64_t asked_ = 0;
    std::uint64_t seen_ = 0;
    std::array<std::uint64_t, 2> freeAfter_{};
    bool holding_ = false;
    Tile held_;

    // Each ball's square, blended over the background, in a slot of shared
    // memory of its own, so that a ball alone over the background is put
    // straight from there, with nothing to compose.
    struct SpriteSlot {
        SlotContent Content;
        unsigned long LastPut = 0;  // the serial number of the last request reading it
    };
    SharedArea sprites_;
    bool slotsRefused_ = false;
    int slotSize_ = 0;
    std::array<SpriteSlot, BallCount> slots_{};
    // The background around the balls' squares, filled at the end of the
    // frame in one request, and its colour; and the colour the GC has now
    // (a new GC's is 0).
    std::vector<XRectangle> fills_;
    std::uint32_t fillsPixel_ = 0;
    std::uint32_t gcPixel_ = 0;
};

}  // namespace bumblorbs
