// Cutting a damaged area where two balls pass each other: the pieces must
// cover the area exactly once, or the window is left with stale pixels or
// painted twice; and only where the balls' squares overlap may a piece need
// blending, or nothing is gained by the cut.

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "host/paint/scene_painter.h"

namespace bumblorbs {
namespace {

constexpr int Side = 33;

SDL_Rect Square(int x, int y) { return {x, y, Side, Side}; }

// The area a ball's move damages: its old and new squares together.
SDL_Rect MoveArea(const SDL_Rect& to, int dx, int dy) {
    const SDL_Rect from{to.x - dx, to.y - dy, to.w, to.h};
    SDL_Rect both;
    SDL_UnionRect(&from, &to, &both);
    return both;
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
        plan.IndexCircles();
        const SDL_Rect area = MoveArea(plan.Circles[3], step(random), step(random));
        if (SDL_HasIntersection(&plan.Circles[8], &area) != SDL_TRUE) {
            continue;
        }
        const std::optional<AreaPieces> pieces = CutBetweenTwoBalls(plan, area);
        ASSERT_TRUE(pieces) << "round " << round;

        std::vector<int> covered(static_cast<std::size_t>(area.w * area.h), 0);
        int needBlending = 0;
        for (std::size_t i = 0; i < pieces->Count; ++i) {
            const SDL_Rect& piece = pieces->Rects[i];
            SDL_Rect inside;
            ASSERT_TRUE(SDL_IntersectRect(&piece, &area, &inside) == SDL_TRUE);
            ASSERT_TRUE(SDL_RectEquals(&inside, &piece) == SDL_TRUE) << "round " << round;
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
        const bool overlap = SDL_HasIntersection(&plan.Circles[3], &plan.Circles[8]) == SDL_TRUE;
        overlapping += overlap ? 1 : 0;
        EXPECT_EQ(needBlending, overlap ? 1 : 0) << "round " << round;
    }
    EXPECT_GT(overlapping, 100);
}

TEST(AreaPiecesTest, AreasWithALabelOrAThirdBallAreNotCut) {
    PaintPlan plan;
    plan.Circles[0] = Square(0, 0);
    plan.Circles[1] = Square(20, 10);
    plan.IndexCircles();
    const SDL_Rect area = MoveArea(plan.Circles[0], 4, 4);
    EXPECT_TRUE(CutBetweenTwoBalls(plan, area));

    PaintPlan withLabel = plan;
    withLabel.LabelBoxes[0] = {30, 30, 100, 20};
    EXPECT_FALSE(CutBetweenTwoBalls(withLabel, area));

    PaintPlan withThird = plan;
    withThird.Circles[2] = Square(-20, 5);
    withThird.IndexCircles();
    EXPECT_FALSE(CutBetweenTwoBalls(withThird, area));

    PaintPlan alone;
    alone.Circles[0] = plan.Circles[0];
    alone.IndexCircles();
    EXPECT_FALSE(CutBetweenTwoBalls(alone, area));
}

}  // namespace
}  // namespace bumblorbs
