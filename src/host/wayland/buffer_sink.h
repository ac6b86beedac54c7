#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/paint/ball_sprite.h"
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
    // A ball's square blended over the background, kept while its look and
    // the background stay.
    struct Square {
        SquareLook Look;
        std::vector<std::uint32_t> Pixels;
    };

    // `count` background pixels at `to`.
    void Background(std::uint32_t* to, int count) const;
    const std::uint32_t* SquareOf(std::size_t ball, const BallSprite& sprite,
                                  std::uint32_t background);

    PixelView target_;
    // Each tile is copied in as soon as it is sent, so one room serves all.
    std::vector<std::uint32_t> room_;
    // A row of the background, as wide as the widest area yet.
    std::vector<std::uint32_t> backgroundRow_;
    std::array<Square, BallCount> squares_;
};

}  // namespace bumblorbs
