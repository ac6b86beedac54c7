#include "behaviour/step_balls.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "behaviour/start_scene.h"
#include "host/core/headless_services.h"
#include "placed_balls.h"

namespace bumblorbs {
namespace {

using testing::BoxHeight;
using testing::BoxWidth;

// The designed interior, in twips.
const Twips Width = DesignedLayout.DesignedInterior.Width;
const Twips Height = DesignedLayout.DesignedInterior.Height;

class StepBallsTest : public testing::PlacedBallsTest {
protected:
    StepBallsTest() {
        // Every ball stands still in the middle unless a test says otherwise.
        for (int i = 0; i < BallCount; ++i) {
            Place(i, 4000, 5000, 0, 0);
        }
    }

    std::int64_t Tick() {
        const std::int64_t before = scene.BounceCount();
        StepBalls(scene, host);
        return scene.BounceCount() - before;
    }
};

TEST_F(StepBallsTest, RightEdgeIsTestedOnThePresentBoxWithStrictlyGreater) {
    Place(3, Width - BoxWidth, 5000, 5, 0);  // right side exactly on the edge
    EXPECT_EQ(Tick(), 0);
    EXPECT_EQ(scene.Shape1(3).Left, Width - BoxWidth + 5);
    EXPECT_EQ(Tick(), 1);  // now over the edge: turned and moved back
    EXPECT_EQ(scene.SpeedX(3), -5);
    EXPECT_EQ(scene.Shape1(3).Left, Width - BoxWidth);
}

TEST_F(StepBallsTest, BottomEdgeIsTestedOneStepAheadWithGreaterOrEqual) {
    Place(3, 4000, Height - BoxHeight - 7, 0, 7);  // the next step lands exactly on it
    EXPECT_EQ(Tick(), 1);
    EXPECT_EQ(scene.SpeedY(3), -7);
    EXPECT_EQ(scene.Shape1(3).Top, Height - BoxHeight - 14);
}

TEST_F(StepBallsTest, LeftEdgeTurnsOnlyBelowZero) {
    Place(3, 0, 5000, -5, 0);
    EXPECT_EQ(Tick(), 0);
    Place(3, -0.5F, 5000, -5, 0);
    EXPECT_EQ(Tick(), 1);
    EXPECT_EQ(scene.SpeedX(3), 5);
    EXPECT_EQ(scene.Shape1(3).Left, 4.5F);
}

TEST_F(StepBallsTest, TopEdgeTurnsWhenTheNextStepWouldGoBelowZero) {
    Place(3, 4000, 5, 0, -5);  // lands on 0: allowed
    EXPECT_EQ(Tick(), 0);
    EXPECT_EQ(scene.Shape1(3).Top, 0);
    EXPECT_EQ(Tick(), 1);
    EXPECT_EQ(scene.Shape1(3).Top, 5);
}

TEST_F(StepBallsTest, OnlyBallZeroBeepsAndTwiceForACornerBounce) {
    Place(4, -1, Height - BoxHeight, -3, 3);
    EXPECT_EQ(Tick(), 2);
    EXPECT_EQ(host.Beeps, 0);
    Place(0, -1, Height - BoxHeight, -3, 3);
    EXPECT_EQ(Tick(), 2);
    EXPECT_EQ(host.Beeps, 2);
    EXPECT_EQ(scene.Label(LabelId::Label2).Caption, "4");
}

TEST_F(StepBallsTest, CaptionShowsTheGroupedCountAndNeverWraps) {
    Place(3, -1, 5000, -1, 0);
    scene.SetBounceCount(999);
    Tick();
    EXPECT_EQ(scene.Label(LabelId::Label2).Caption, "1,000");

    const struct {
        std::int64_t before;
        const char* shown;
    } large[] = {
        {INT32_MAX, "2,147,483,648"},
        {UINT32_MAX, "4,294,967,296"},
        {(std::int64_t{1} << 53), "9,007,199,254,740,993"},
    };
    for (const auto& c : large) {
        Place(3, -1, 5000, -1, 0);
        scene.SetBounceCount(c.before);
        Tick();
        EXPECT_EQ(scene.BounceCount(), c.before + 1);
        EXPECT_EQ(scene.Label(LabelId::Label2).Caption, c.shown);
    }
}

TEST_F(StepBallsTest, InteriorNarrowerThanTheBoxNegatesOnce) {
    scene.SetInteriorSize({1000, Height});
    Place(3, -10, 5000, 4, 0);  // over both side edges at once
    // Every box is wider than the interior, so every ball turns once.
    EXPECT_EQ(Tick(), BallCount);
    EXPECT_EQ(scene.SpeedX(3), -4);
}

TEST_F(StepBallsTest, EmptyInteriorReversesEveryBallOnBothAxesEveryTick) {
    for (int i = 0; i < BallCount; ++i) {
        Place(i, 100, 200, 3, 4);
    }
    scene.SetInteriorSize({0, 0});
    for (int tick = 0; tick < 4; ++tick) {
        EXPECT_EQ(Tick(), 120);
    }
    EXPECT_EQ(host.Beeps, 8);
    // Each ball swings between two places one step apart.
    EXPECT_EQ(scene.Shape1(7).Left, 100);
    EXPECT_EQ(scene.Shape1(7).Top, 200);
    scene.SetInteriorSize({Width, Height});
    EXPECT_EQ(Tick(), 0);
}

// After the interior shrinks, a ball left outside its edge by d with step s
// is either caught there (turned on every tick) or comes back in.
struct ShrinkCase {
    const char* name;
    bool vertical;
    float stepTwips;    // the sign says which way the ball is moving
    float beyondTwips;  // d: how far the box lies past the edge
    bool caught;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const ShrinkCase& c, std::ostream* out) { *out << c.name; }

class ShrinkTest : public StepBallsTest, public ::testing::WithParamInterface<ShrinkCase> {};

TEST_P(ShrinkTest, BallIsCaughtExactlyWhenItShould) {
    const ShrinkCase& c = GetParam();
    if (c.vertical) {
        Place(9, 4000, Height - BoxHeight + c.beyondTwips, 0, c.stepTwips);
    } else {
        Place(9, Width - BoxWidth + c.beyondTwips, 5000, c.stepTwips, 0);
    }
    std::int64_t total = 0;
    for (int tick = 0; tick < 10; ++tick) {
        const std::int64_t added = Tick();
        total += added;
        if (c.caught) {
            EXPECT_EQ(added, 1) << "tick " << tick;
        }
    }
    if (!c.caught) {
        EXPECT_LE(total, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shrink, ShrinkTest,
    ::testing::Values(ShrinkCase{"RightMovingAwayAnyOvershoot", false, -5, 0.5F, true},
                      ShrinkCase{"RightMovingOutBeyondStep", false, 5, 6, true},
                      ShrinkCase{"RightMovingOutWithinStep", false, 5, 5, false},
                      ShrinkCase{"BottomMovingUpAtStep", true, -5, 5, true},
                      ShrinkCase{"BottomMovingUpWithinStep", true, -5, 4, false},
                      ShrinkCase{"BottomMovingDownAtTwoSteps", true, 5, 10, true},
                      ShrinkCase{"BottomMovingDownWithinTwoSteps", true, 5, 9, false}),
    [](const auto& instance) { return std::string(instance.param.name); });

// A long run with the program's own generator: every reversal is counted,
// captioned and, for ball 0, heard; steps keep their size; balls stay near
// the interior.
TEST(StepBallsRunTest, ThousandsOfTicksKeepCountCaptionAndBeepsInStep) {
    HeadlessServices host(3600.25F);
    Scene scene(DesignedLayout);
    StartScene(scene, host);

    std::array<float, BallCount> sizeX{};
    std::array<float, BallCount> sizeY{};
    for (int i = 0; i < BallCount; ++i) {
        sizeX[static_cast<std::size_t>(i)] = scene.SpeedX(i);
        sizeY[static_cast<std::size_t>(i)] = scene.SpeedY(i);
    }
    std::int64_t reversals = 0;
    std::int64_t ballZeroReversals = 0;
    for (int tick = 0; tick < 5000; ++tick) {
        std::array<float, BallCount> beforeX{};
        std::array<float, BallCount> beforeY{};
        for (int i = 0; i < BallCount; ++i) {
            beforeX[static_cast<std::size_t>(i)] = scene.SpeedX(i);
            beforeY[static_cast<std::size_t>(i)] = scene.SpeedY(i);
        }
        StepBalls(scene, host);
        for (int i = 0; i < BallCount; ++i) {
            const auto slot = static_cast<std::size_t>(i);
            const int flips = (scene.SpeedX(i) != beforeX[slot] ? 1 : 0) +
                              (scene.SpeedY(i) != beforeY[slot] ? 1 : 0);
            reversals += flips;
            if (i == 0) {
                ballZeroReversals += flips;
            }
            ASSERT_EQ(std::fabs(scene.SpeedX(i)), sizeX[slot]);
            ASSERT_EQ(std::fabs(scene.SpeedY(i)), sizeY[slot]);
            const Ball& ball = scene.Shape1(i);
            ASSERT_GE(ball.Left, -sizeX[slot]) << i;
            ASSERT_LE(ball.Left + ball.Width, Width + sizeX[slot]) << i;
            ASSERT_GE(ball.Top, 0) << i;
            ASSERT_LT(ball.Top + ball.Height, Height) << i;
        }
    }
    EXPECT_EQ(scene.BounceCount(), reversals);
    EXPECT_EQ(host.Beeps(), ballZeroReversals);
    EXPECT_GT(ballZeroReversals, 0);
    EXPECT_EQ(scene.Label(LabelId::Label2).Caption,
              FormatByPattern(scene.BounceCount(), "#,###", ","));
}

}  // namespace
}  // namespace bumblorbs
