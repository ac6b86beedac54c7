#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/core/argb_image.h"
#include "host/core/pixel_rect.h"
#include "host/paint/pixel_view.h"
#include "scene/units.h"

namespace bumblorbs {

// How much of each pixel of a circle's square the whole disc covers, and
// how much the disc inside its one-pixel outline: the same for every ball of
// one size, so worked out once for all of them.
class DiscShape {
public:
    explicit DiscShape(int diameter);

    struct Cover {
        float Disc = 0;
        float Inner = 0;
    };

    int Diameter() const { return diameter_; }
    const Cover& At(int x, int y) const {
        return covers_[static_cast<std::size_t>(y) * static_cast<std::size_t>(diameter_) +
                       static_cast<std::size_t>(x)];
    }

private:
    int diameter_;
    std::vector<Cover> covers_;
};

// What decides the pixels of a ball's square blended over a background:
// squares of the same look hold the same pixels.
struct SquareLook {
    int Diameter = 0;
    Colour Fill = 0;
    Colour Border = 0;
    std::uint32_t Background = 0;
    bool operator==(const SquareLook&) const = default;
};

// A ball's circle, `diameter` pixels across: filled with `fill`, outlined one
// pixel wide in `border`, anti-aliased and transparent outside, ready to be
// drawn over whatever lies beneath. Only the pixels of each row that are not
// the plain fill are kept: a kilobyte a ball instead of its whole square.
class BallSprite {
public:
    BallSprite(const DiscShape& shape, Colour fill, Colour border);

    int Diameter() const { return diameter_; }
    Colour Fill() const { return fill_; }
    Colour Border() const { return border_; }
    SquareLook LookOver(std::uint32_t background) const {
        return {diameter_, fill_, border_, background};
    }

    // Draws the circle with its top-left corner at (x, y), within `clip`
    // (inside the target).
    void Draw(const PixelView& target, const PixelRect& clip, int x, int y) const;

    // Draws the circle's whole square over a plain `background` (a pixel of
    // a target with word pixels), within `clip`: the same pixels as filling
    // the square and drawing the circle over it.
    void DrawOver(const PixelView& target, const PixelRect& clip, int x, int y,
                  std::uint32_t background) const;

    // Draws the circle over Diameter() rows of word pixels, `stride` pixels
    // apart, that show nothing but the background.
    void DrawOverRows(std::uint32_t* rows, std::size_t stride) const;

private:
    // Each row of a circle is clear, then rim, then an opaque run, then rim
    // and clear again; inside the opaque run, past the outline, lies a run of
    // the plain fill. Writing the runs and blending only the rim is several
    // times faster than blending every pixel.
    struct Row {
        int First = 0;        // first pixel that is not clear
        int OpaqueFirst = 0;  // the opaque run [OpaqueFirst, OpaqueEnd)
        int FillFirst = 0;    // the fill's run [FillFirst, FillEnd), inside it
        int FillEnd = 0;
        int OpaqueEnd = 0;
        int End = 0;  // one past the last pixel that is not clear
        // Where the row's other pixels, [First, FillFirst) then
        // [FillEnd, End), start in `edges_`.
        std::size_t Edges = 0;

        // Where pixel n, left or right of the fill's run, stands among them.
        int LeftOfFill(int n) const { return n - First; }
        int RightOfFill(int n) const { return FillFirst - First + n - FillEnd; }
    };

    // The runs of a row of the circle's pixels; its edges are not yet kept.
    Row RowOf(const std::vector<std::uint32_t>& pixels) const;
    void DrawRow(const Row& row, std::uint32_t* to, int left, int right) const;

    // The whole square as an image, to blend into pictures of other pixels;
    // made when first asked for.
    ArgbImage WholeImage() const;

    int diameter_;
    Colour fill_;
    Colour border_;
    std::uint32_t fillPixel_;
    std::vector<Row> rows_;
    std::vector<std::uint32_t> edges_;
    mutable std::vector<std::uint32_t> whole_;
};

}  // namespace bumblorbs
