#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "host/paint/ball_sprite.h"
#include "host/sdl/pixel_mapping.h"
#include "host/sdl/sdl_handles.h"
#include "host/text/label_text.h"
#include "scene/scene.h"

namespace bumblorbs {

// The rectangles of the window a paint covers: at most one for each ball
// and label, held in place, so that a steady frame allocates nothing.
class PaintRects {
public:
    void push_back(const SDL_Rect& rect) { rects_[count_++] = rect; }
    const SDL_Rect& operator[](std::size_t i) const { return rects_[i]; }
    const SDL_Rect* data() const { return rects_.data(); }
    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    const SDL_Rect* begin() const { return rects_.data(); }
    const SDL_Rect* end() const { return rects_.data() + count_; }

private:
    std::array<SDL_Rect, BallCount + LabelCount> rects_{};
    std::size_t count_ = 0;
};

// Which balls' circles reach into each cell of a coarse grid over the
// window, so that an area is checked only against the circles near it.
// Circles and areas beyond the window count in its edge cells.
class CircleGrid {
public:
    // Balls as bits of a word.
    using BallSet = std::uint64_t;
    static_assert(BallCount <= 64);

    void Index(const std::array<SDL_Rect, BallCount>& circles, int width, int height);
    // The balls whose circles reach into a cell that `area` reaches into.
    BallSet Near(const SDL_Rect& area) const;

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

// One paint's worth of facts: where each ball's circle and each label's box
// stand in pixels, and the rectangles of the window that must be painted
// again.
struct PaintPlan {
    std::array<SDL_Rect, BallCount> Circles{};
    std::array<SDL_Rect, LabelCount> LabelBoxes{};
    PaintRects Rects;
    // Set from Circles by IndexCircles.
    CircleGrid NearCircles;

    // Indexes the circles over a window of the given size.
    void IndexCircles(int width, int height);
};

// An area of the window where nothing needs blending: it shows the
// background and at most one ball, whose circle stands in `Square`, and no
// label. The common case: a ball moving across empty space.
struct PlainArea {
    std::optional<std::size_t> Ball;
    SDL_Rect Square{};
};

// Whether `area` is plain, and what it then holds.
std::optional<PlainArea> FindPlainArea(const PaintPlan& plan, const SDL_Rect& area);

// The pieces of an area that shows two balls and no label, cut so that
// only the piece where their squares overlap, if any, shows both: two balls
// passing close by each other are then mostly painted as plain areas.
struct AreaPieces {
    std::array<SDL_Rect, 5> Rects{};
    std::size_t Count = 0;
};

// The area's pieces, or nothing where it shows more or fewer than two
// balls, or a label.
std::optional<AreaPieces> CutBetweenTwoBalls(const PaintPlan& plan, const SDL_Rect& area);

// Paints the scene, stacked from the bottom: the background, Shape1(0) ..
// Shape1(59), Label1, Label2. Only what the damage names is painted again,
// into whatever surface holds that part of the window.
class ScenePainter {
public:
    ScenePainter(const PixelMapping& mapping, LabelText& labels);
    // Its tile surface starts out pointed at a pixel of its own.
    ScenePainter(const ScenePainter&) = delete;
    ScenePainter& operator=(const ScenePainter&) = delete;

    // What to paint for this damage in a window of the given pixel size.
    // `damage.Everything` names the whole window.
    PaintPlan Plan(const Scene& scene, const Damage& damage, int width, int height);

    // The rectangles of a window of the given pixel size that the damage
    // names, as a plan for it holds them.
    PaintRects DamagedRects(const Scene& scene, const Damage& damage, int width, int height) const;

    // Paints `area`, in window pixels, into `target`, whose top-left pixel
    // stands at `origin` in the window.
    void PaintArea(SDL_Surface* target, SDL_Point origin, const Scene& scene, const PaintPlan& plan,
                   const SDL_Rect& area);

    // Paints `area`, in window pixels, into tightly packed 0x00RRGGBB
    // pixels, row after row: a tile.
    void PaintTile(std::uint32_t* pixels, const Scene& scene, const PaintPlan& plan,
                   const SDL_Rect& area);
    // The background as a tile's pixel.
    std::uint32_t TileBackground(const Scene& scene) const;

    // Plans and paints into a surface that holds the whole window, and
    // returns the rectangles it painted.
    PaintRects Paint(SDL_Surface* target, const Scene& scene, const Damage& damage);

    // The ball's sprite as the last plan made it.
    BallSprite& Sprite(std::size_t ball) { return *sprites_[ball]; }

private:
    SDL_Rect CirclePixels(const TwipRect& box) const;
    // Draws the ball's sprite again if its colours or size changed.
    void RefreshSprite(const Ball& ball, int diameter);
    void PaintLabel(SDL_Surface* target, SDL_Point origin, const Scene& scene,
                    const PaintPlan& plan, LabelId id, const SDL_Rect& area);
    // Paints a plain area without blending or painting a pixel twice, and
    // says so; says false for any other area.
    bool PaintPlainArea(SDL_Surface* target, SDL_Point origin, const PaintPlan& plan,
                        const SDL_Rect& area, Uint32 background);

    const PixelMapping& mapping_;
    LabelText& labels_;
    // The coverage of the balls' size, shared by their sprites.
    std::optional<DiscShape> shape_;
    std::array<std::optional<BallSprite>, BallCount> sprites_;
    // One surface for every tile, pointed at each tile's pixels in turn: a
    // surface made for each costs a pixel format looked up under a lock,
    // allocations, and the label's blit worked out again.
    std::uint32_t tilePlaceholder_ = 0;
    SurfaceHandle tile_;
};

}  // namespace bumblorbs
