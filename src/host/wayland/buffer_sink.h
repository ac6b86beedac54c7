#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/paint/ball_sprite.h"
#include "host/paint/ball_square.h"
#include "host/paint/pixel_view.h"
#include "host/paint/tile_composer.h"
#include "scene/scene.h"

namespace bumblorbs {

// Takes a frame's tiles into a buffer that holds the whole window in
// 0x00RRGGBB pixels. Rows of such a buffer lie far apart, so each row
// written costs far more than its pixels: plain areas are written straight
// in, one pass over each row, the background copied from a row of it kept
// ready and the ball's part from its square pre-blended over the
// background; only the areas where balls overlap or a label shows are
// composed in a small tile, where blending is cheap, and then copied in.
class BufferSink final : public TileSink {
public:
    BufferSink();

    // The buffer the next tiles go into.
    void Into(const PixelView& target) { target_ = target; }

    std::size_t MaxTilePixels() const override;
    std::uint32_t* Room(std::size_t pixels) override;
    void Send(const Tile& tile) override;
    bool PaintPlain(const PaintPlan& plan, const PixelRect& area, const PlainArea& plain,
                    const BallSprite* sprite, std::uint32_t background) override;
    void EndFrame() override {}

private:
    // `count` background pixels at `to`.
    void Background(std::uint32_t* to, int count) const;

    PixelView target_;
    // Each tile is copied in as soon as it is sent, so one room serves all.
    std::vector<std::uint32_t> room_;
    // A row of the background, as wide as the widest area yet.
    std::vector<std::uint32_t> backgroundRow_;
    std::array<BallSquare, BallCount> squares_;
};

}  // namespace bumblorbs
