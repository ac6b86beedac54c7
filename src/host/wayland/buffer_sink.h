#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/paint/pixel_view.h"
#include "host/paint/plain_writer.h"
#include "host/paint/tile_composer.h"
#include "scene/scene.h"

namespace bumblorbs {

// Takes a frame's tiles into a buffer that holds the whole window in
// 0x00RRGGBB pixels. Rows of such a buffer lie far apart, so each row
// written costs far more than its pixels: plain areas are written straight
// in (PlainWriter); only the areas where balls overlap or a label shows are
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
    PixelView target_;
    // Each tile is copied in as soon as it is sent, so one room serves all.
    std::vector<std::uint32_t> room_;
    PlainWriter plain_;
};

}  // namespace bumblorbs
