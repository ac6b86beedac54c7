#pragma once

#include <array>

#include "host/core/pixel_mapping.h"
#include "host/paint/circle_grid.h"
#include "host/paint/paint_rects.h"
#include "scene/scene.h"

namespace bumblorbs {

// One paint's worth of facts: where each ball's circle and each label's box
// stand in pixels, and the rectangles of the window that must be painted
// again.
struct PaintPlan {
    std::array<PixelRect, BallCount> Circles{};
    std::array<PixelRect, LabelCount> LabelBoxes{};
    PaintRects Rects;
    // Set from Circles by IndexCircles.
    CircleGrid NearCircles;

    // Indexes the circles over a window of the given size.
    void IndexCircles(int width, int height) { NearCircles.Index(Circles, width, height); }
};

// Turns a scene's damage into a plan, at one display scale.
class PaintPlanner {
public:
    explicit PaintPlanner(const PixelMapping& mapping) : mapping_(mapping) {}

    // What to paint for this damage in a window of the given pixel size.
    // `damage.Everything` names the whole window.
    PaintPlan Plan(const Scene& scene, const Damage& damage, int width, int height) const;

    // The rectangles of a window of the given pixel size that the damage
    // names, as a plan for it holds them.
    PaintRects DamagedRects(const Scene& scene, const Damage& damage, int width, int height) const;

private:
    PixelRect CirclePixels(const TwipRect& box) const;

    const PixelMapping& mapping_;
};

}  // namespace bumblorbs
