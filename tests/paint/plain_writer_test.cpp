// A plain area (the background and at most one ball) is written row by row
// from a kept background row and the ball's kept square: it must show
// exactly what filling the area and drawing the ball over it shows, wherever
// the area cuts the ball, in a picture whose rows lie apart and whose
// top-left pixel stands anywhere in the window, and it must write nothing
// outside the area.

#include "host/paint/plain_writer.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/paint/pixel_ops.h"

namespace bumblorbs {
namespace {

// A picture of 60 x 50 pixels with spare words at the end of each row,
// standing at (100, 200) in the window, filled with a pattern.
struct Picture {
    static constexpr int Width = 60;
    static constexpr int Height = 50;
    static constexpr int RowWords = Width + 7;
    static constexpr PixelPoint Origin{100, 200};
    std::vector<std::uint32_t> Words;

    Picture() : Words(static_cast<std::size_t>(RowWords) * Height) {
        for (std::size_t i = 0; i < Words.size(); ++i) {
            Words[i] = static_cast<std::uint32_t>(i * 2654435761U) & 0xFFFFFFU;
        }
    }
    PixelView View() {
        return {Words.data(), RowWords * BytesPerPixel, Width, Height, PixelFormat::Xrgb8888};
    }
};

// The area drawn the plain way: filled, then the ball over it.
Picture Expected(const PixelRect& area, const PlainArea& plain, const BallSprite* sprite,
                 std::uint32_t background) {
    Picture picture;
    const PixelPoint at = Picture::Origin;
    const PixelRect local{area.x - at.x, area.y - at.y, area.w, area.h};
    FillArea(picture.View(), local, background);
    if (sprite != nullptr) {
        sprite->DrawOver(picture.View(), local, plain.Square.x - at.x, plain.Square.y - at.y,
                         background);
    }
    return picture;
}

struct Case {
    const char* Name;
    PixelRect Area;
    bool WithBall;
};

TEST(PlainWriterTest, WritesWhatFillingAndDrawingTheBallShowsAndNothingElse) {
    const DiscShape shape(21);
    const BallSprite sprite(shape, 0x0000FF, 0xFF0000);
    const PlainArea ball{3, {120, 215, 21, 21}};
    // In window pixels: the picture covers x 100..159, y 200..249.
    const Case cases[] = {
        {"whole square inside", {110, 210, 40, 35}, true},
        {"cut on the left and top", {128, 222, 25, 20}, true},
        {"cut on the right and bottom", {104, 203, 26, 20}, true},
        {"a band through the middle", {100, 224, 60, 3}, true},
        {"beside the square", {145, 215, 10, 21}, true},
        {"no ball", {101, 201, 58, 48}, false},
    };
    PlainWriter writer;
    for (const std::uint32_t background : {0x000000U, 0x3080C0U, 0x000000U}) {
        for (const Case& c : cases) {
            const PlainArea plain = c.WithBall ? ball : PlainArea{};
            const BallSprite* drawn = c.WithBall ? &sprite : nullptr;
            Picture picture;
            writer.Write(picture.View(), Picture::Origin, c.Area, plain, drawn, background);
            EXPECT_EQ(picture.Words, Expected(c.Area, plain, drawn, background).Words)
                << c.Name << " over background " << std::hex << background;
        }
    }
}

TEST(PlainWriterTest, AWiderAreaAfterANarrowOneGetsBackgroundAcrossItsWholeWidth) {
    PlainWriter writer;
    Picture first;
    writer.Write(first.View(), Picture::Origin, {100, 200, 4, 2}, PlainArea{}, nullptr, 0x123456U);
    Picture wide;
    const PixelRect area{100, 230, 60, 5};
    writer.Write(wide.View(), Picture::Origin, area, PlainArea{}, nullptr, 0x123456U);
    EXPECT_EQ(wide.Words, Expected(area, PlainArea{}, nullptr, 0x123456U).Words);
}

}  // namespace
}  // namespace bumblorbs
