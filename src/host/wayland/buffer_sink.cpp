#include "host/wayland/buffer_sink.h"

#include <algorithm>
#include <cstring>

#include "host/paint/ball_sprite.h"

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

void BufferSink::Background(std::uint32_t* to, int count) const {
    if (count > 0) {
        CopyPixels(to, backgroundRow_.data(), count);
    }
}

bool BufferSink::PaintPlain(const PaintPlan& /*plan*/, const PixelRect& area,
                            const PlainArea& plain, const BallSprite* sprite,
                            std::uint32_t background) {
    const auto width = static_cast<std::size_t>(area.w);
    if (backgroundRow_.empty() || backgroundRow_.front() != background) {
        backgroundRow_.assign(std::max(width, backgroundRow_.size()), background);
    } else if (backgroundRow_.size() < width) {
        backgroundRow_.resize(width, background);
    }
    // The part of the area the ball's square covers, if any.
    PixelRect covered{};
    const std::uint32_t* square = nullptr;
    if (sprite != nullptr && plain.Ball && Intersect(plain.Square, area, covered)) {
        square = squares_[*plain.Ball].Over(*sprite, background);
    }
    const int left = covered.x - area.x;
    const int right = area.x + area.w - (covered.x + covered.w);
    for (int y = area.y; y < area.y + area.h; ++y) {
        std::uint32_t* row = target_.WordRow(y) + area.x;
        if (square == nullptr || y < covered.y || y >= covered.y + covered.h) {
            Background(row, area.w);
            continue;
        }
        Background(row, left);
        CopyPixels(row + left,
                   square + static_cast<std::ptrdiff_t>(y - plain.Square.y) * plain.Square.w +
                       (covered.x - plain.Square.x),
                   covered.w);
        Background(row + left + covered.w, right);
    }
    return true;
}

}  // namespace bumblorbs
