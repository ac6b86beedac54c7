#pragma once

#include <array>
#include <optional>
#include <vector>

#include "host/ball_sprite.h"
#include "host/label_text.h"
#include "host/pixel_mapping.h"
#include "host/sdl_handles.h"
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
    SDL_Rect CirclePixels(const TwipRect& box) const;
    // Draws the ball's sprite again if its colours or size changed.
    void RefreshSprite(const Ball& ball, int diameter);
    std::vector<SDL_Rect> DamagedRects(const SDL_Surface* target, const Scene& scene,
                                       const Damage& damage) const;
    void PaintRect(SDL_Surface* target, const Scene& scene, const SDL_Rect& area,
                   Uint32 background);
    void PaintLabel(SDL_Surface* target, const Scene& scene, LabelId id, const SDL_Rect& area);

    const PixelMapping& mapping_;
    LabelText& labels_;
    // Each ball's sprite and where its circle stands, in pixels, for the
    // paint under way.
    std::array<std::optional<BallSprite>, BallCount> sprites_;
    std::array<SDL_Rect, BallCount> circles_{};
};

}  // namespace bumblorbs
