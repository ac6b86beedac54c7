#pragma once

#include <X11/Xlib.h>

#include <array>
#include <cstddef>
#include <cstdint>

#include "host/paint/ball_square.h"
#include "host/paint/scene_painter.h"
#include "host/x11/shared_image.h"
#include "scene/scene.h"

namespace bumblorbs {

class BallSprite;

// Each ball's square, blended over the background once, in a slot of
// memory shared with the server, with as much background beside it as the
// ball moves in a tick: a ball alone over the background is put straight
// from its slot, with nothing to compose. Where the server cannot share
// memory, or refuses the slots' memory, the squares go over the connection.
class BallSlots {
public:
    // `shared`: whether the server shares memory with the client at all.
    BallSlots(Display* display, Visual* visual, Window window, GC gc, bool shared);

    // Puts the whole window rectangle `area` that a lone ball's move
    // damaged with one request from the ball's slot, where the slot's rows
    // can cover it; says whether it did.
    bool PutMovedBall(const PaintPlan& plan, const PixelRect& area, std::size_t ball,
                      const BallSprite& sprite, std::uint32_t background);
    // Puts `part` of the ball's square, which stands at `square` in the
    // window, blended over the background.
    void PutSquare(std::size_t ball, const BallSprite& sprite, std::uint32_t background,
                   const PixelRect& square, const PixelRect& part);

private:
    // What a slot holds: the ball's square blended over the background,
    // with `ReachX` columns of background on either side of it and
    // `ReachY` rows above and below it, row after row. Background on both
    // sides means a bounce, which turns the way a ball leaves background
    // behind it, does not rewrite the slot, nor wait for the server to
    // have read it.
    struct SlotContent {
        SquareLook Look;
        int ReachX = 0;
        int ReachY = 0;

        int Width() const { return Look.Diameter + 2 * ReachX; }
        int Height() const { return Look.Diameter + 2 * ReachY; }
        PixelPoint Square() const { return {ReachX, ReachY}; }
        bool operator==(const SlotContent&) const = default;
    };
    struct Slot {
        SlotContent Content;
        unsigned long LastPut = 0;  // the serial number of the last request reading it
    };

    // What the ball's slot holds now where it shows the ball's look over
    // this background, else the bare square.
    SlotContent SlotFor(std::size_t ball, const BallSprite& sprite, std::uint32_t background) const;
    // The ball's slot, made to hold `wanted` first if it does not yet; null
    // where there are no slots.
    const std::uint32_t* SlotPixels(std::size_t ball, const BallSprite& sprite,
                                    const SlotContent& wanted);
    // Puts `to.w` x `to.h` pixels of the slot, from `from` in it, at `to`.
    void PutFromSlot(std::size_t ball, const std::uint32_t* pixels, const SlotContent& content,
                     PixelPoint from, const PixelRect& to);

    Display* display_;
    Window window_;
    GC gc_;
    SharedImage image_;
    // False where the server cannot share memory, or refused the slots'
    // memory once: it is not asked again on every tick.
    bool usable_;
    int slotDiameter_ = 0;
    std::array<Slot, BallCount> slots_{};
    // The last square composed for a put over the connection, where there
    // are no slots.
    BallSquare square_;
};

}  // namespace bumblorbs
