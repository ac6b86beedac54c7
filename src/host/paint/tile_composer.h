#pragma once

#include <SDL_rect.h>

#include <cstddef>
#include <cstdint>

#include "host/paint/scene_painter.h"

namespace bumblorbs {

// A part of the window painted on its own: Area.w x Area.h pixels of
// 0x00RRGGBB, row after row with nothing between them.
struct Tile {
    std::uint32_t* Pixels = nullptr;
    SDL_Rect Area{};
};

// Where tiles are composed and what takes them to the screen.
class TileSink {
public:
    virtual ~TileSink() = default;

    // The most pixels one tile may have.
    virtual std::size_t MaxTilePixels() const = 0;
    // Room for the next tile of `pixels` pixels; valid until the frame ends.
    virtual std::uint32_t* Room(std::size_t pixels) = 0;
    virtual void Send(const Tile& tile) = 0;
    // Paints a plain area of the plan (see FindPlainArea) by the sink's own
    // means, and says so; a sink that has none says false and gets a tile
    // instead. `background` is a 0x00RRGGBB pixel; `sprite` is the area's
    // ball's, if it has one.
    virtual bool PaintPlain(const PaintPlan& /*plan*/, const SDL_Rect& /*area*/,
                            const PlainArea& /*plain*/, const BallSprite* /*sprite*/,
                            std::uint32_t /*background*/) {
        return false;
    }
    virtual void EndFrame() = 0;
};

// Paints each rectangle of the plan, one where two balls pass each other in
// pieces (CutBetweenTwoBalls). Plain ones go to the sink where it can paint
// them; the rest are composed into tiles of their own, tightly packed and
// small enough to stay in the cache while they are composed, and handed to
// the sink. Rectangles too large for one tile (a full repaint) go in bands
// of whole rows, each cut across where one row is more than a tile holds.
// No tile ever has more pixels than the sink's MaxTilePixels.
void ComposeTiles(ScenePainter& painter, const Scene& scene, const PaintPlan& plan, TileSink& sink);

}  // namespace bumblorbs
