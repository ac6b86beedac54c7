#include "behaviour/resize_interior.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "behaviour/start_scene.h"
#include "behaviour/step_balls.h"
#include "host/core/headless_services.h"
#include "placed_balls.h"

namespace bumblorbs {
namespace {

using testing::BoxHeight;
using testing::BoxWidth;

class ResizeInteriorTest : public testing::PlacedBallsTest {
protected:
    ResizeInteriorTest() {
        for (int i = 0; i < BallCount; ++i) {
            Place(i, 100, 200, 3, 4);
        }
        scene.TakeDamage();
    }
};

TEST_F(ResizeInteriorTest, BallsBeyondAShrunkEdgeAreMovedJustInside) {
    Place(1, 8000.25F, 9000.5F, 7, -6);  // beyond both new edges
    Place(2, 8000, 100, 5, 5);           // beyond the right edge only
    Place(3, 4000, 100, 5, 5);           // inside
    scene.SetBounceCount(41);
    scene.TakeDamage();
    ResizeInterior(scene, {6000.5F, 4000.25F});

    EXPECT_EQ(scene.ScaleWidth(), 6000.5F);
    EXPECT_EQ(scene.ScaleHeight(), 4000.25F);
    EXPECT_EQ(scene.Shape1(1).Left, 6000.5F - BoxWidth);
    EXPECT_EQ(scene.Shape1(1).Top, 4000.25F - BoxHeight);
    EXPECT_EQ(scene.Shape1(2).Left, 6000.5F - BoxWidth);
    EXPECT_EQ(scene.Shape1(2).Top, 100);
    EXPECT_EQ(scene.Shape1(3).Left, 4000);
    // Steps, count, caption and sound are left alone; the moved balls are
    // repainted.
    EXPECT_EQ(scene.SpeedX(1), 7);
    EXPECT_EQ(scene.SpeedY(1), -6);
    EXPECT_EQ(scene.BounceCount(), 41);
    EXPECT_EQ(scene.Label(LabelId::Label2).Caption, "");
    EXPECT_TRUE(scene.PendingDamage().Balls.test(1));
    EXPECT_FALSE(scene.PendingDamage().Balls.test(3));
    EXPECT_EQ(host.Beeps, 0);
}

TEST_F(ResizeInteriorTest, AnAxisThatDidNotShrinkIsNotTouched) {
    scene.SetInteriorSize({6000, 4000});
    Place(1, 7000, 5000, 5, 5);           // beyond both edges
    ResizeInterior(scene, {6000, 3000});  // only the height shrinks
    EXPECT_EQ(scene.Shape1(1).Left, 7000);
    EXPECT_EQ(scene.Shape1(1).Top, 3000 - BoxHeight);
    ResizeInterior(scene, {5000, 9000});  // the width shrinks, the height grows
    EXPECT_EQ(scene.Shape1(1).Left, 5000 - BoxWidth);
    EXPECT_EQ(scene.Shape1(1).Top, 3000 - BoxHeight);
}

TEST_F(ResizeInteriorTest, ABoxThatDoesNotFitIsNotMoved) {
    Place(1, 2000, 3000, 5, 5);
    ResizeInterior(scene, {BoxWidth - 1, BoxHeight});  // too narrow; exactly as tall
    EXPECT_EQ(scene.Shape1(1).Left, 2000);
    EXPECT_EQ(scene.Shape1(1).Top, 0);
}

// A minimised window's empty interior keeps the rules' behaviour: every ball
// swings in place, counting and beeping, and carries on from where it was.
TEST_F(ResizeInteriorTest, EmptyInteriorMovesNothing) {
    ResizeInterior(scene, {0, 0});
    for (int i = 0; i < BallCount; ++i) {
        EXPECT_EQ(scene.Shape1(i).Left, 100);
        EXPECT_EQ(scene.Shape1(i).Top, 200);
    }
    StepBalls(scene, host);
    EXPECT_EQ(scene.BounceCount(), 120);
    EXPECT_EQ(host.Beeps, 2);
}

// The fault it mends: a big screen left for a small one. No ball is caught
// outside afterwards, the count grows no faster than on the designed
// interior, and ball 0 beeps only on its own bounces.
TEST(ResizeInteriorRunTest, AfterAShrinkEveryBallStaysInsideAndTheCountIsSane) {
    HeadlessServices host(43200);
    Scene scene(DesignedLayout);
    scene.SetInteriorSize({28800, 16200});
    StartScene(scene, host);
    for (int tick = 0; tick < 100; ++tick) {
        StepBalls(scene, host);
    }
    host.TakeBeeps();
    ResizeInterior(scene, {9600, 7200});
    const std::int64_t before = scene.BounceCount();
    for (int tick = 0; tick < 2000; ++tick) {
        StepBalls(scene, host);
        for (int i = 0; i < BallCount; ++i) {
            const Ball& ball = scene.Shape1(i);
            // At most one step (200 twips) over an edge, as on any interior.
            ASSERT_LE(ball.Left + ball.Width, 9600 + 200) << "ball " << i << " tick " << tick;
            ASSERT_LE(ball.Top + ball.Height, 7200) << "ball " << i << " tick " << tick;
        }
    }
    // A caught ball adds one a tick: sixty of them would add 120,000 here.
    EXPECT_LT(scene.BounceCount() - before, 4000);
    EXPECT_LT(host.TakeBeeps(), 100);
}

}  // namespace
}  // namespace bumblorbs
