#pragma once

#include "host/paint/paint_plan.h"
#include "host/paint/paint_rects.h"
#include "host/paint/pixel_view.h"
#include "host/paint/tile_composer.h"
#include "scene/scene.h"

namespace bumblorbs {

class ScenePainter;

// One frame of the scene, as a canvas paints it: what changed since the
// last frame, and the means to plan and paint whatever damage the canvas
// needs, which may be more than the frame's own where its picture missed
// earlier frames.
class SceneFrame {
public:
    SceneFrame(ScenePainter& painter, const Scene& scene, const Damage& damage)
        : painter_(painter), scene_(scene), damage_(damage) {}

    // What changed since the last frame.
    const Damage& Changes() const { return damage_; }
    // The scene as this frame shows it.
    const Scene& Showing() const { return scene_; }

    // What to paint for `damage` in a window of the given pixel size, with
    // the balls' sprites brought up to date for it.
    PaintPlan PlanFor(const Damage& damage, int width, int height);
    // The rectangles of such a window that `damage` names.
    PaintRects RectsFor(const Damage& damage, int width, int height) const;

    // Paints the plan's rectangles through the sink (see ComposeTiles).
    void Compose(const PaintPlan& plan, TileSink& sink);
    // Paints the frame's changes into a picture that holds the whole
    // window, and returns the rectangles it painted.
    PaintRects PaintWhole(const PixelView& target);

private:
    ScenePainter& painter_;
    const Scene& scene_;
    Damage damage_;
};

}  // namespace bumblorbs
