#include "host/paint/scene_frame.h"

#include "host/paint/scene_painter.h"

namespace bumblorbs {

PaintPlan SceneFrame::PlanFor(const Damage& damage, int width, int height) {
    return painter_.Plan(scene_, damage, width, height);
}

PaintRects SceneFrame::RectsFor(const Damage& damage, int width, int height) const {
    return painter_.DamagedRects(scene_, damage, width, height);
}

void SceneFrame::Compose(const PaintPlan& plan, TileSink& sink) {
    ComposeTiles(painter_, scene_, plan, sink);
}

PaintRects SceneFrame::PaintWhole(const PixelView& target) {
    return painter_.Paint(target, scene_, damage_);
}

}  // namespace bumblorbs
