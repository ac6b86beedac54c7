#pragma once

#include <array>
#include <optional>
#include <vector>

#include "host/paint/ball_sprite.h"
#include "host/sdl/pixel_mapping.h"
#include "host/sdl/sdl_handles.h"
#include "host/text/label_text.h"
#include "scene/scene.h"

namespace bumblorbs {

// Paints the scene into a surface, stacked from the bottom: the background,
// Shape1(0) .. Shape1(59), Label1, Label2. Only what the damage names is
// painted again.
class ScenePainter {
public:
    ScenePainter(const PixelMapping& mapping, LabelText& labels);

    // Paints the damaged parts and returns the rectangles it painted, for the
    // window to show. `damage.Everything` repaints the whole surface.
    std::vector<SDL_Rect> Paint(SDL_Surface* target, const Scene& scene, const Damage& damage);

private:
    // Where each ball's circle stands, in pixels, for one paint.
    using Circles = std::array<SDL_Rect, BallCount>;

    SDL_Rect CirclePixels(const TwipRect& box) const;
    // Draws the ball's sprite again if its colours or size changed.
    void RefreshSprite(const Ball& ball, int diameter);
    std::vector<SDL_Rect> DamagedRects(const SDL_Surface* target, const Scene& scene,
                                       const Damage& damage, const Circles& circles) const;
    void PaintRect(SDL_Surface* target, const Scene& scene, const SDL_Rect& area, Uint32 background,
                   const Circles& circles);
    void PaintLabel(SDL_Surface* target, const Scene& scene, LabelId id, const SDL_Rect& area);

    const PixelMapping& mapping_;
    LabelText& labels_;
    std::array<std::optional<BallSprite>, BallCount> sprites_;
};

}  // namespace bumblorbs
