#include "host/paint/paint_plan.h"

namespace bumblorbs {

PixelRect PaintPlanner::CirclePixels(const TwipRect& box) const {
    const TwipRect circle = CircleOf(box);
    const int diameter = mapping_.ToPixels(circle.Width);
    return {mapping_.ToPixels(circle.Left), mapping_.ToPixels(circle.Top), diameter, diameter};
}

PaintPlan PaintPlanner::Plan(const Scene& scene, const Damage& damage, int width,
                             int height) const {
    PaintPlan plan;
    for (int i = 0; i < BallCount; ++i) {
        plan.Circles[static_cast<std::size_t>(i)] = CirclePixels(scene.Shape1(i).Box());
    }
    for (const LabelId id : AllLabels) {
        plan.LabelBoxes[SlotOf(id)] = mapping_.ToPixels(scene.Label(id).Box);
    }
    plan.IndexCircles(width, height);
    plan.Rects = DamagedRects(scene, damage, width, height);
    return plan;
}

PaintRects PaintPlanner::DamagedRects(const Scene& scene, const Damage& damage, int width,
                                      int height) const {
    PaintRects rects;
    const PixelRect whole{0, 0, width, height};
    if (damage.Everything) {
        rects.push_back(whole);
        return rects;
    }
    // Overlapping rectangles are left apart: each is painted whole, so the
    // overlap is merely painted twice, where folding them into one bounding
    // box would repaint all the empty space between a cluster of balls.
    const auto keep = [&](const PixelRect& rect) {
        PixelRect clipped;
        if (Intersect(rect, whole, clipped)) {
            rects.push_back(clipped);
        }
    };
    for (int i = 0; i < BallCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        if (damage.Balls.test(slot)) {
            keep(
                Union(CirclePixels(damage.FormerBoxes[slot]), CirclePixels(scene.Shape1(i).Box())));
        }
    }
    for (const LabelId id : AllLabels) {
        if (damage.Labels.test(SlotOf(id))) {
            keep(mapping_.ToPixels(scene.Label(id).Box));
        }
    }
    return rects;
}

}  // namespace bumblorbs
