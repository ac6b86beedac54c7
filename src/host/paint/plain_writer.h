#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "host/paint/area_kinds.h"
#include "host/paint/ball_sprite.h"
#include "host/paint/ball_square.h"
#include "host/paint/pixel_view.h"

namespace bumblorbs {

// Writes plain areas (see FindPlainArea) into a picture of word pixels:
// one pass over each row, the background copied from a row of it kept
// ready and the ball's part from its square kept blended over the
// background. Where rows lie far apart, as in a picture of the whole
// window, each row written costs far more than its pixels, so a row is
// never written twice.
class PlainWriter {
public:
    // Writes `area`, in window pixels, into `target`, whose top-left pixel
    // stands at `origin` in the window and which holds the whole area.
    // `background` is a pixel of the target's format; `sprite` is the
    // area's ball's, if it has one.
    void Write(const PixelView& target, PixelPoint origin, const PixelRect& area,
               const PlainArea& plain, const BallSprite* sprite, std::uint32_t background);

private:
    // A background row at least `width` pixels wide.
    void KeepBackgroundRow(std::size_t width, std::uint32_t background);
    // `count` background pixels at `to`.
    void Background(std::uint32_t* to, int count) const;

    std::vector<std::uint32_t> backgroundRow_;
    std::array<BallSquare, BallCount> squares_;
};

}  // namespace bumblorbs
