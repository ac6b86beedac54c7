#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "host/core/pixel_rect.h"
#include "scene/scene.h"

namespace bumblorbs {

// Which balls' circles reach into each cell of a coarse grid over the
// window, so that an area is checked only against the circles near it.
// Circles and areas beyond the window count in its edge cells.
class CircleGrid {
public:
    // Balls as bits of a word.
    using BallSet = std::uint64_t;
    static_assert(BallCount <= 64);

    void Index(const std::array<PixelRect, BallCount>& circles, int width, int height);
    // The balls whose circles reach into a cell that `area` reaches into.
    BallSet Near(const PixelRect& area) const;

private:
    static constexpr int Cells = 16;
    struct CellSpan {
        int First;
        int Last;
    };
    static std::size_t CellIndex(int row, int column) {
        return static_cast<std::size_t>(row) * Cells + static_cast<std::size_t>(column);
    }
    // The cells that [from, from + length) reaches into, along one side of
    // cells `cellLength` long; beyond the window, the edge cells.
    static CellSpan Span(int from, int length, int cellLength);

    int cellWidth_ = 1;
    int cellHeight_ = 1;
    std::array<BallSet, static_cast<std::size_t>(Cells* Cells)> cells_{};
};

}  // namespace bumblorbs
