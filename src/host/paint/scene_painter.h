#pragma once

#include <cstdint>

#include "host/core/pixel_mapping.h"
#include "host/paint/area_kinds.h"
#include "host/paint/ball_sprite.h"
#include "host/paint/paint_plan.h"
#include "host/paint/pixel_view.h"
#include "host/paint/plain_writer.h"
#include "host/paint/sprite_cache.h"
#include "host/text/label_text.h"
#include "scene/scene.h"

namespace bumblorbs {

// Paints the scene, stacked from the bottom: the background, Shape1(0) ..
// Shape1(59), Label1, Label2. Only what the damage names is painted again,
// into whatever picture holds that part of the window.
class ScenePainter {
public:
    ScenePainter(const PixelMapping& mapping, LabelText& labels);

    // What to paint for this damage in a window of the given pixel size,
    // with the balls' sprites brought up to date for it. `damage.Everything`
    // names the whole window.
    PaintPlan Plan(const Scene& scene, const Damage& damage, int width, int height);

    // The rectangles of a window of the given pixel size that the damage
    // names, as a plan for it holds them.
    PaintRects DamagedRects(const Scene& scene, const Damage& damage, int width, int height) const {
        return planner_.DamagedRects(scene, damage, width, height);
    }

    // Paints `area`, in window pixels, into `target`, whose top-left pixel
    // stands at `origin` in the window.
    void PaintArea(const PixelView& target, PixelPoint origin, const Scene& scene,
                   const PaintPlan& plan, const PixelRect& area);

    // Paints `area`, in window pixels, into tightly packed 0x00RRGGBB
    // pixels, row after row: a tile.
    void PaintTile(std::uint32_t* pixels, const Scene& scene, const PaintPlan& plan,
                   const PixelRect& area);
    // The background as a tile's pixel.
    static std::uint32_t TileBackground(const Scene& scene);

    // Plans and paints into a picture that holds the whole window, and
    // returns the rectangles it painted.
    PaintRects Paint(const PixelView& target, const Scene& scene, const Damage& damage);

    // The ball's sprite as the last plan left it.
    const BallSprite& Sprite(std::size_t ball) const { return sprites_.Sprite(ball); }

private:
    void PaintLabel(const PixelView& target, PixelPoint origin, const Scene& scene,
                    const PaintPlan& plan, LabelId id, const PixelRect& area);
    // Paints a plain area without blending or painting a pixel twice, and
    // says so; says false for any other area.
    bool PaintPlainArea(const PixelView& target, PixelPoint origin, const PaintPlan& plan,
                        const PixelRect& area, std::uint32_t background);

    PaintPlanner planner_;
    LabelText& labels_;
    SpriteCache sprites_;
    PlainWriter plain_;
};

}  // namespace bumblorbs
