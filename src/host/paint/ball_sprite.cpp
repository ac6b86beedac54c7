#include "host/paint/ball_sprite.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "host/paint/pixel_ops.h"

namespace bumblorbs {
namespace {

// The share of the pixel [x, x+1) x [y, y+1) that a disc of `radius` about
// (centre, centre) covers: its true area, so that a ring between two discs
// weighs the same at every angle. Pixels wholly inside or outside are
// settled from their corners; the rest are integrated column by column.
float DiscCoverage(float x, float y, float centre, float radius) {
    const float left = x - centre;
    const float top = y - centre;
    const float nearX = std::max({left, 0.0F, -(left + 1)});
    const float nearY = std::max({top, 0.0F, -(top + 1)});
    const float farX = std::max(std::fabs(left), std::fabs(left + 1));
    const float farY = std::max(std::fabs(top), std::fabs(top + 1));
    if (std::hypot(farX, farY) <= radius) {
        return 1;
    }
    if (std::hypot(nearX, nearY) >= radius) {
        return 0;
    }
    constexpr int Columns = 32;
    float covered = 0;
    for (int i = 0; i < Columns; ++i) {
        const float column = left + (static_cast<float>(i) + 0.5F) / Columns;
        const float halfChord2 = radius * radius - column * column;
        if (halfChord2 > 0) {
            const float halfChord = std::sqrt(halfChord2);
            covered += std::max(0.0F, std::min(top + 1, halfChord) - std::max(top, -halfChord));
        }
    }
    return covered / Columns;
}

std::uint32_t Argb(std::uint32_t alpha, std::uint32_t red, std::uint32_t green,
                   std::uint32_t blue) {
    return (alpha << 24U) | (red << 16U) | (green << 8U) | blue;
}

std::uint32_t Channel(int fill, int border, float fillShare, float borderShare, float alpha) {
    return static_cast<std::uint32_t>(std::lround(
        (static_cast<float>(fill) * fillShare + static_cast<float>(border) * borderShare) / alpha));
}

// Red and blue, then green, each blended in its own 16-bit lane at once.
// (v + 1 + (v >> 8)) >> 8 is v / 255 exactly for every v a lane can hold,
// so the result is round(source * alpha + target * (1 - alpha)) per channel.
std::uint32_t Blend(std::uint32_t source, std::uint32_t target) {
    const std::uint32_t alpha = source >> 24U;
    const std::uint32_t keep = 255 - alpha;
    const auto divide = [](std::uint32_t lanes) {
        return ((lanes + 0x00010001U + ((lanes >> 8U) & 0x00FF00FFU)) >> 8U) & 0x00FF00FFU;
    };
    const std::uint32_t redBlue =
        divide((source & 0x00FF00FFU) * alpha + (target & 0x00FF00FFU) * keep + 0x007F007FU);
    const std::uint32_t green =
        divide(((source >> 8U) & 0xFFU) * alpha + ((target >> 8U) & 0xFFU) * keep + 0x7FU);
    return 0xFF000000U | redBlue | (green << 8U);
}

// A pixel of the circle, 0xAARRGGBB, where `cover` says how much of it the
// disc and the disc inside the outline cover: the ring between them is the
// outline. Clear pixels are 0.
std::uint32_t DiscPixel(const DiscShape::Cover& cover, Colour fill, Colour border) {
    const auto alpha = static_cast<std::uint32_t>(std::lround(cover.Disc * 255));
    if (alpha == 0) {
        return 0;
    }
    const float ring = cover.Disc - cover.Inner;
    const auto channel = [&](int fillChannel, int borderChannel) {
        return Channel(fillChannel, borderChannel, cover.Inner, ring, cover.Disc);
    };
    return Argb(alpha, channel(RedOf(fill), RedOf(border)), channel(GreenOf(fill), GreenOf(border)),
                channel(BlueOf(fill), BlueOf(border)));
}

}  // namespace

DiscShape::DiscShape(int diameter)
    : diameter_(diameter),
      covers_(static_cast<std::size_t>(diameter) * static_cast<std::size_t>(diameter)) {
    const float radius = static_cast<float>(diameter) / 2;
    auto cover = covers_.begin();
    for (int y = 0; y < diameter; ++y) {
        for (int x = 0; x < diameter; ++x) {
            const auto px = static_cast<float>(x);
            const auto py = static_cast<float>(y);
            *cover++ = {DiscCoverage(px, py, radius, radius),
                        DiscCoverage(px, py, radius, radius - 1)};
        }
    }
}

BallSprite::BallSprite(const DiscShape& shape, Colour fill, Colour border)
    : diameter_(shape.Diameter()),
      fill_(fill),
      border_(border),
      fillPixel_(Argb(255, static_cast<std::uint32_t>(RedOf(fill)),
                      static_cast<std::uint32_t>(GreenOf(fill)),
                      static_cast<std::uint32_t>(BlueOf(fill)))) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(diameter_));
    for (int y = 0; y < diameter_; ++y) {
        for (int x = 0; x < diameter_; ++x) {
            pixels[static_cast<std::size_t>(x)] = DiscPixel(shape.At(x, y), fill, border);
        }
        Row row = RowOf(pixels);
        row.Edges = edges_.size();
        for (int x = row.First; x < row.End; ++x) {
            if (x < row.FillFirst || x >= row.FillEnd) {
                edges_.push_back(pixels[static_cast<std::size_t>(x)]);
            }
        }
        rows_.push_back(row);
    }
}

BallSprite::Row BallSprite::RowOf(const std::vector<std::uint32_t>& pixels) const {
    const int diameter = diameter_;
    Row row{diameter, diameter, 0, 0, 0, 0, 0};
    const auto at = [&](int x) { return pixels[static_cast<std::size_t>(x)]; };
    for (int x = 0; x < diameter; ++x) {
        const std::uint32_t alpha = at(x) >> 24U;
        if (alpha != 0) {
            row.First = std::min(row.First, x);
            row.End = x + 1;
        }
        if (alpha == 255) {
            row.OpaqueFirst = std::min(row.OpaqueFirst, x);
            row.OpaqueEnd = x + 1;
        }
    }
    if (row.OpaqueFirst > row.OpaqueEnd) {
        row.OpaqueFirst = row.OpaqueEnd = row.End;
    }
    // The fill's run: from the first pixel of the opaque run that shows
    // the plain fill to the last, where every pixel between shows it.
    row.FillFirst = row.FillEnd = row.OpaqueEnd;
    for (int x = row.OpaqueFirst; x < row.OpaqueEnd; ++x) {
        if (at(x) == fillPixel_) {
            row.FillFirst = std::min(row.FillFirst, x);
            row.FillEnd = x + 1;
        }
    }
    for (int x = row.FillFirst; x < row.FillEnd; ++x) {
        if (at(x) != fillPixel_) {
            row.FillFirst = row.FillEnd = row.OpaqueEnd;
            break;
        }
    }
    return row;
}

ArgbImage BallSprite::WholeImage() const {
    const auto side = static_cast<std::size_t>(diameter_);
    if (whole_.empty()) {
        whole_.assign(side * side, 0U);
        for (std::size_t y = 0; y < side; ++y) {
            std::uint32_t* pixels = whole_.data() + y * side;
            const Row& row = rows_[y];
            const std::uint32_t* kept = edges_.data() + row.Edges;
            for (int x = row.First; x < row.End; ++x) {
                if (x < row.FillFirst) {
                    pixels[x] = kept[row.LeftOfFill(x)];
                } else if (x < row.FillEnd) {
                    pixels[x] = fillPixel_;
                } else {
                    pixels[x] = kept[row.RightOfFill(x)];
                }
            }
        }
    }
    return {whole_.data(), diameter_, diameter_, diameter_};
}

void BallSprite::Draw(const PixelView& target, const PixelRect& clip, int x, int y) const {
    if (!target.HasWordPixels()) {
        BlendImage(target, clip, WholeImage(), {x, y});
        return;
    }
    PixelRect visible;
    if (!Intersect({x, y, diameter_, diameter_}, clip, visible)) {
        return;
    }
    const int left = visible.x - x;
    const int right = left + visible.w;
    for (int ty = visible.y; ty < visible.y + visible.h; ++ty) {
        DrawRow(rows_[static_cast<std::size_t>(ty - y)], target.WordRow(ty) + x, left, right);
    }
}

void BallSprite::DrawOver(const PixelView& target, const PixelRect& clip, int x, int y,
                          std::uint32_t background) const {
    PixelRect visible;
    if (!Intersect({x, y, diameter_, diameter_}, clip, visible)) {
        return;
    }
    const int left = visible.x - x;
    const int right = left + visible.w;
    for (int ty = visible.y; ty < visible.y + visible.h; ++ty) {
        std::uint32_t* to = target.WordRow(ty) + x;
        std::fill(to + left, to + right, background);
        DrawRow(rows_[static_cast<std::size_t>(ty - y)], to, left, right);
    }
}

void BallSprite::DrawOverRows(std::uint32_t* rows, std::size_t stride) const {
    for (int row = 0; row < diameter_; ++row) {
        DrawRow(rows_[static_cast<std::size_t>(row)], rows + static_cast<std::size_t>(row) * stride,
                0, diameter_);
    }
}

void BallSprite::DrawRow(const Row& row, std::uint32_t* to, int left, int right) const {
    const std::uint32_t* kept = edges_.data() + row.Edges;
    const auto leftOf = [&](int n) { return kept[row.LeftOfFill(n)]; };
    const auto rightOf = [&](int n) { return kept[row.RightOfFill(n)]; };
    for (int n = std::max(row.First, left); n < std::min(row.OpaqueFirst, right); ++n) {
        to[n] = Blend(leftOf(n), to[n]);
    }
    for (int n = std::max(row.OpaqueFirst, left); n < std::min(row.FillFirst, right); ++n) {
        to[n] = leftOf(n);
    }
    const int fillFirst = std::max(row.FillFirst, left);
    const int fillEnd = std::min(row.FillEnd, right);
    if (fillFirst < fillEnd) {
        std::fill(to + fillFirst, to + fillEnd, fillPixel_);
    }
    for (int n = std::max(row.FillEnd, left); n < std::min(row.OpaqueEnd, right); ++n) {
        to[n] = rightOf(n);
    }
    for (int n = std::max(row.OpaqueEnd, left); n < std::min(row.End, right); ++n) {
        to[n] = Blend(rightOf(n), to[n]);
    }
}

}  // namespace bumblorbs
