// What a damaged area shows, and cutting it where two balls pass each
// other: the pieces must cover the area exactly once, or the window is left
// with stale pixels or painted twice; and only where the balls' squares
// overlap may a piece need blending, or nothing is gained by the cut.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "host/paint/area_kinds.h"

namespace bumblorbs {
namespace {

constexpr int Side = 33;

// Whether two rectangles share a pixel, worked out apart from the painter.
bool SharePixel(const PixelRect& a, const PixelRect& b) {
    return a.w > 0 && a.h > 0 && b.w > 0 && b.h > 0 &&
           std::max(a.x, b.x) < std::min(a.x + a.w, b.x + b.w) &&
           std::max(a.y, b.y) < std::min(a.y + a.h, b.y + b.h);
}

PixelRect Square(int x, int y) { return {x, y, Side, Side}; }

// The area a ball's move damages: its old and new squares together.
PixelRect MoveArea(const PixelRect& to, int dx, int dy) {
    const PixelRect from{to.x - dx, to.y - dy, to.w, to.h};
    return Union(from, to);
}

TEST(AreaPiecesTest, PiecesCoverTheAreaOnceAndOnlyTheOverlapNeedsBlending) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> place(0, 60);
    std::uniform_int_distribution<int> step(-6, 6);
    int overlapping = 0;
    for (int round = 0; round < 3000; ++round) {
        PaintPlan plan;
        plan.Circles[3] = Square(place(random), place(random));
        plan.Circles[8] = Square(place(random), place(random));
        plan.IndexCircles(100, 100);
        const PixelRect area = MoveArea(plan.Circles[3], step(random), step(random));
        if (!SharePixel(plan.Circles[8], area)) {
            continue;
        }
        const std::optional<AreaPieces> pieces = CutBetweenTwoBalls(plan, area);
        ASSERT_TRUE(pieces) << "round " << round;

        std::vector<int> covered(static_cast<std::size_t>(area.w * area.h), 0);
        int needBlending = 0;
        for (std::size_t i = 0; i < pieces->Count; ++i) {
            const PixelRect& piece = pieces->Rects[i];
            PixelRect inside;
            ASSERT_TRUE(Intersect(piece, area, inside));
            ASSERT_TRUE(inside == piece) << "round " << round;
            for (int y = piece.y; y < piece.y + piece.h; ++y) {
                for (int x = piece.x; x < piece.x + piece.w; ++x) {
                    ++covered[static_cast<std::size_t>((y - area.y) * area.w + (x - area.x))];
                }
            }
            needBlending += FindPlainArea(plan, piece) ? 0 : 1;
        }
        for (const int times : covered) {
            ASSERT_EQ(times, 1) << "round " << round;
        }
        const bool overlap = SharePixel(plan.Circles[3], plan.Circles[8]);
        overlapping += overlap ? 1 : 0;
        EXPECT_EQ(needBlending, overlap ? 1 : 0) << "round " << round;
    }
    EXPECT_GT(overlapping, 100);
}

TEST(AreaPiecesTest, AreasWithALabelOrAThirdBallAreNotCut) {
    PaintPlan plan;
    plan.Circles[0] = Square(0, 0);
    plan.Circles[1] = Square(20, 10);
    plan.IndexCircles(100, 100);
    const PixelRect area = MoveArea(plan.Circles[0], 4, 4);
    EXPECT_TRUE(CutBetweenTwoBalls(plan, area));

    PaintPlan withLabel = plan;
    withLabel.LabelBoxes[0] = {30, 30, 100, 20};
    EXPECT_FALSE(CutBetweenTwoBalls(withLabel, area));

    PaintPlan withThird = plan;
    withThird.Circles[2] = Square(-20, 5);
    withThird.IndexCircles(100, 100);
    EXPECT_FALSE(CutBetweenTwoBalls(withThird, area));

    PaintPlan alone;
    alone.Circles[0] = plan.Circles[0];
    alone.IndexCircles(100, 100);
    EXPECT_FALSE(CutBetweenTwoBalls(alone, area));
}

// The plan finds what an area shows from a grid of cells over the window;
// whatever the window's size, and for circles and areas reaching beyond its
// edges, that must agree with looking at every circle.
TEST(AreaPiecesTest, AnAreaFindsTheCirclesItOverlapsWhereverTheyStand) {
    std::mt19937 random(11);
    for (const PixelPoint window :
         {PixelPoint{1920, 1080}, PixelPoint{150, 100}, PixelPoint{7, 3000}}) {
        std::uniform_int_distribution<int> x(-Side, window.x);
        std::uniform_int_distribution<int> y(-Side, window.y);
        std::uniform_int_distribution<int> size(1, 2 * Side);
        for (int round = 0; round < 300; ++round) {
            PaintPlan plan;
            for (PixelRect& circle : plan.Circles) {
                circle = Square(x(random), y(random));
            }
            plan.IndexCircles(window.x, window.y);
            for (int probe = 0; probe < 20; ++probe) {
                const PixelRect area{x(random), y(random), size(random), size(random)};
                std::vector<std::size_t> shown;
                for (std::size_t ball = 0; ball < plan.Circles.size(); ++ball) {
                    if (SharePixel(plan.Circles[ball], area)) {
                        shown.push_back(ball);
                    }
                }
                const std::optional<PlainArea> plain = FindPlainArea(plan, area);
                ASSERT_EQ(plain.has_value(), shown.size() <= 1) << "round " << round;
                if (plain) {
                    ASSERT_EQ(plain->Ball.has_value(), shown.size() == 1) << "round " << round;
                    if (plain->Ball) {
                        ASSERT_EQ(*plain->Ball, shown[0]) << "round " << round;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace bumblorbs
