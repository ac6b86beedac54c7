#include "host/paint/plain_writer.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace bumblorbs {
namespace {

void CopyPixels(std::uint32_t* to, const std::uint32_t* from, int count) {
    std::memcpy(to, from, static_cast<std::size_t>(count) * sizeof(std::uint32_t));
}

}  // namespace

void PlainWriter::KeepBackgroundRow(std::size_t width, std::uint32_t background) {
    if (backgroundRow_.empty() || backgroundRow_.front() != background) {
        backgroundRow_.assign(std::max(width, backgroundRow_.size()), background);
    } else if (backgroundRow_.size() < width) {
        backgroundRow_.resize(width, background);
    }
}

void PlainWriter::Background(std::uint32_t* to, int count) const {
    if (count > 0) {
        CopyPixels(to, backgroundRow_.data(), count);
    }
}

void PlainWriter::Write(const PixelView& target, PixelPoint origin, const PixelRect& area,
                        const PlainArea& plain, const BallSprite* sprite,
                        std::uint32_t background) {
    KeepBackgroundRow(static_cast<std::size_t>(area.w), background);
    // The part of the area the ball's square covers, if any.
    PixelRect covered{};
    const std::uint32_t* square = nullptr;
    if (sprite != nullptr && plain.Ball && Intersect(plain.Square, area, covered)) {
        square = squares_[*plain.Ball].Over(*sprite, background);
    }
    const int left = covered.x - area.x;
    const int right = area.x + area.w - (covered.x + covered.w);
    for (int y = area.y; y < area.y + area.h; ++y) {
        std::uint32_t* row = target.WordRow(y - origin.y) + (area.x - origin.x);
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
}

}  // namespace bumblorbs
