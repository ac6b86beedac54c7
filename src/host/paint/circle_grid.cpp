#include "host/paint/circle_grid.h"

#include <algorithm>

namespace bumblorbs {

void CircleGrid::Index(const std::array<PixelRect, BallCount>& circles, int width, int height) {
    cellWidth_ = std::max(1, (width + Cells - 1) / Cells);
    cellHeight_ = std::max(1, (height + Cells - 1) / Cells);
    cells_.fill(0);
    for (std::size_t ball = 0; ball < circles.size(); ++ball) {
        const PixelRect& circle = circles[ball];
        if (circle.w <= 0 || circle.h <= 0) {
            continue;
        }
        const BallSet bit = BallSet{1} << ball;
        const CellSpan across = Span(circle.x, circle.w, cellWidth_);
        const CellSpan down = Span(circle.y, circle.h, cellHeight_);
        for (int row = down.First; row <= down.Last; ++row) {
            for (int column = across.First; column <= across.Last; ++column) {
                cells_[CellIndex(row, column)] |= bit;
            }
        }
    }
}

CircleGrid::BallSet CircleGrid::Near(const PixelRect& area) const {
    const CellSpan across = Span(area.x, area.w, cellWidth_);
    const CellSpan down = Span(area.y, area.h, cellHeight_);
    BallSet near = 0;
    for (int row = down.First; row <= down.Last; ++row) {
        for (int column = across.First; column <= across.Last; ++column) {
            near |= cells_[CellIndex(row, column)];
        }
    }
    return near;
}

CircleGrid::CellSpan CircleGrid::Span(int from, int length, int cellLength) {
    const auto cell = [&](int at) { return std::clamp(at / cellLength, 0, Cells - 1); };
    return {cell(from), cell(from + length - 1)};
}

}  // namespace bumblorbs
