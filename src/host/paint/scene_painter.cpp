#include "host/paint/scene_painter.h"

#include "host/paint/pixel_ops.h"

namespace bumblorbs {
namespace {

PixelRect Shifted(const PixelRect& rect, PixelPoint origin) {
    return {rect.x - origin.x, rect.y - origin.y, rect.w, rect.h};
}

}  // namespace

ScenePainter::ScenePainter(const PixelMapping& mapping, LabelText& labels)
    : planner_(mapping), labels_(labels) {}

PaintPlan ScenePainter::Plan(const Scene& scene, const Damage& damage, int width, int height) {
    PaintPlan plan = planner_.Plan(scene, damage, width, height);
    sprites_.Refresh(scene, plan);
    return plan;
}

void ScenePainter::PaintTile(std::uint32_t* pixels, const Scene& scene, const PaintPlan& plan,
                             const PixelRect& area) {
    PaintArea(PackedWords(pixels, area.w, area.h), {area.x, area.y}, scene, plan, area);
}

std::uint32_t ScenePainter::TileBackground(const Scene& scene) {
    return PixelOf(scene.BackColor(), PixelFormat::Xrgb8888);
}

PaintRects ScenePainter::Paint(const PixelView& target, const Scene& scene, const Damage& damage) {
    const PaintPlan plan = Plan(scene, damage, target.Width, target.Height);
    for (const PixelRect& area : plan.Rects) {
        PaintArea(target, {0, 0}, scene, plan, area);
    }
    return plan.Rects;
}

void ScenePainter::PaintArea(const PixelView& target, PixelPoint origin, const Scene& scene,
                             const PaintPlan& plan, const PixelRect& area) {
    PixelRect local;
    if (!Intersect(Shifted(area, origin), target.Bounds(), local)) {
        return;
    }
    const std::uint32_t background = PixelOf(scene.BackColor(), target.Format);
    if (PaintPlainArea(target, origin, plan, area, background)) {
        return;
    }
    FillArea(target, local, background);
    for (std::size_t i = 0; i < plan.Circles.size(); ++i) {
        const PixelRect& where = plan.Circles[i];
        if (Overlap(where, area)) {
            sprites_.Sprite(i).Draw(target, local, where.x - origin.x, where.y - origin.y);
        }
    }
    for (const LabelId id : AllLabels) {
        PaintLabel(target, origin, scene, plan, id, area);
    }
}

bool ScenePainter::PaintPlainArea(const PixelView& target, PixelPoint origin, const PaintPlan& plan,
                                  const PixelRect& area, std::uint32_t background) {
    if (!target.HasWordPixels()) {
        return false;
    }
    const std::optional<PlainArea> plain = FindPlainArea(plan, area);
    if (!plain) {
        return false;
    }
    const BallSprite* sprite = plain->Ball ? &sprites_.Sprite(*plain->Ball) : nullptr;
    plain_.Write(target, origin, area, *plain, sprite, background);
    return true;
}

void ScenePainter::PaintLabel(const PixelView& target, PixelPoint origin, const Scene& scene,
                              const PaintPlan& plan, LabelId id, const PixelRect& area) {
    const PixelRect& box = plan.LabelBoxes[SlotOf(id)];
    PixelRect visible;
    if (!Intersect(box, area, visible)) {
        return;
    }
    const TextImage text = labels_.Rendered(scene, id);
    if (!text) {
        return;
    }
    // Text outside the label's box is clipped away, as is anything outside
    // the area being painted.
    PixelRect clip;
    Intersect(Shifted(visible, origin), target.Bounds(), clip);
    BlendImage(target, clip, text, {box.x - origin.x, box.y - origin.y});
}

}  // namespace bumblorbs
