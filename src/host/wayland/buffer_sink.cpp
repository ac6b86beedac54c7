#include "host/wayland/buffer_sink.h"

#include <cstring>

namespace bumblorbs {
namespace {

// Small enough for a tile to stay in the first-level cache while composed.
constexpr std::size_t TilePixels = 8192;

void CopyPixels(std::uint32_t* to, const std::uint32_t* from, int count) {
    std::memcpy(to, from, static_cast<std::size_t>(count) * sizeof(std::uint32_t));
}

}  // namespace

BufferSink::BufferSink() : room_(TilePixels) {}

std::size_t BufferSink::MaxTilePixels() const { return TilePixels; }

std::uint32_t* BufferSink::Room(std::size_t /*pixels*/) { return room_.data(); }

void BufferSink::Send(const Tile& tile) {
    for (int row = 0; row < tile.Area.h; ++row) {
        CopyPixels(target_.WordRow(tile.Area.y + row) + tile.Area.x,
                   tile.Pixels + static_cast<std::ptrdiff_t>(row) * tile.Area.w, tile.Area.w);
    }
}

bool BufferSink::PaintPlain(const PaintPlan& /*plan*/, const PixelRect& area,
                            const PlainArea& plain, const BallSprite* sprite,
                            std::uint32_t background) {
    plain_.Write(target_, {0, 0}, area, plain, sprite, background);
    return true;
}

}  // namespace bumblorbs
