#pragma once

#include <cstdint>
#include <vector>

#include "host/sdl/sdl_handles.h"
#include "scene/units.h"

namespace bumblorbs {

// A ball's circle, `diameter` pixels across: filled with `fill`, outlined one
// pixel wide in `border`, anti-aliased and transparent outside, ready to be
// drawn over whatever lies beneath.
class BallSprite {
public:
    BallSprite(int diameter, Colour fill, Colour border);

    int Diameter() const { return diameter_; }
    Colour Fill() const { return fill_; }
    Colour Border() const { return border_; }

    // Draws the circle with its top-left corner at (x, y), within the
    // target's clip rectangle.
    void Draw(SDL_Surface* target, int x, int y) const;

    // Draws the circle's whole square, the circle already blended over a
    // plain `background` (a pixel of a surface with word pixels), within
    // the target's clip rectangle: for a ball with nothing but the
    // background beneath it, a plain copy with no blending. The same pixels
    // as filling the square and drawing the circle over it.
    void DrawOver(SDL_Surface* target, int x, int y, std::uint32_t background);

    // The square DrawOver copies: Diameter() rows of Diameter() pixels.
    const std::uint32_t* ComposedOver(std::uint32_t background);

private:
    // Each row of a circle is clear, then rim, then an opaque run, then rim
    // and clear again. Copying the run and blending only the rim is several
    // times faster than blending every pixel.
    struct Row {
        int First = 0;        // first pixel that is not clear
        int OpaqueFirst = 0;  // the opaque run [OpaqueFirst, OpaqueEnd)
        int OpaqueEnd = 0;
        int End = 0;  // one past the last pixel that is not clear
    };

    void DrawRow(const Row& row, const std::uint32_t* from, std::uint32_t* to, int left,
                 int right) const;

    int diameter_;
    SurfaceHandle image_;
    Colour fill_;
    Colour border_;
    std::vector<Row> rows_;
    // The square blended over `composedOver_`, made when first asked for.
    std::vector<std::uint32_t> composed_;
    std::uint32_t composedOver_ = 0;
};

}  // namespace bumblorbs
