#include "behaviour/start_scene.h"

#include <gtest/gtest.h>

#include "scripted_host.h"

namespace bumblorbs {
namespace {

using testing::ScriptedHost;

constexpr float LargestRandom = 1.0F - 0x1.0p-24F;

class StartSceneTest : public ::testing::Test {
protected:
    // 120 step draws, then three colour draws for each of balls 1..59.
    void Script(float value) { host.Randoms.assign(120 + 3 * 59, value); }

    Scene scene{DesignedLayout};
    ScriptedHost host;
};

TEST_F(StartSceneTest, SmallestDrawsGiveStepOneAndComponentTwentyOne) {
    Script(0.0F);
    StartScene(scene, host);
    for (int i = 0; i < BallCount; ++i) {
        EXPECT_EQ(scene.SpeedX(i), 1);
        EXPECT_EQ(scene.SpeedY(i), 1);
    }
    EXPECT_EQ(scene.Shape1(1).BackColor, MakeColour(21, 21, 21));
}

TEST_F(StartSceneTest, LargestDrawsGiveStepTwoHundredAndComponent255) {
    Script(LargestRandom);
    StartScene(scene, host);
    for (int i = 0; i < BallCount; ++i) {
        EXPECT_EQ(scene.SpeedX(i), 200);
        EXPECT_EQ(scene.SpeedY(i), 200);
    }
    EXPECT_EQ(scene.Shape1(59).BackColor, MakeColour(255, 255, 255));
}

TEST_F(StartSceneTest, DrawsInTheirOrderAndReseedsBeforeEachBallsColour) {
    // Draw n is n / 1000, so each value says which draw it came from.
    for (int n = 0; n < 120 + 3 * 59; ++n) {
        host.Randoms.push_back(static_cast<float>(n) / 1000.0F);
    }
    StartScene(scene, host);
    EXPECT_EQ(scene.SpeedX(0), 1);    // draw 0
    EXPECT_EQ(scene.SpeedY(0), 1);    // draw 1: 0.2 -> 1
    EXPECT_EQ(scene.SpeedX(3), 2);    // draw 6: 1.2 -> 2
    EXPECT_EQ(scene.SpeedY(59), 24);  // draw 119: 23.8 -> 24
    // Ball 1's red, green and blue are draws 120, 121, 122.
    EXPECT_EQ(scene.Shape1(1).BackColor, MakeColour(49, 49, 49));
    EXPECT_EQ(scene.Shape1(59).BackColor, MakeColour(90, 90, 90));  // draws 294..296
    // One seed before the steps, then one before every ball's colour.
    ASSERT_EQ(host.Seeds.size(), 60U);
    for (float seed : host.Seeds) {
        EXPECT_EQ(seed, host.Clock);
    }
    EXPECT_EQ(host.RandomsDrawn, 120 + 3 * 59);
}

TEST_F(StartSceneTest, BallZeroKeepsItsRedAndEveryOutlineStays) {
    Script(0.5F);
    StartScene(scene, host);
    EXPECT_EQ(scene.Shape1(0).BackColor, 0x000000FFU);
    for (int i = 0; i < BallCount; ++i) {
        EXPECT_EQ(scene.Shape1(i).BorderColor,
                  DesignedLayout.Balls[static_cast<std::size_t>(i)].BorderColor);
    }
}

TEST_F(StartSceneTest, ArmsTheTimerAndLeavesTheCountAlone) {
    Script(0.5F);
    StartScene(scene, host);
    EXPECT_EQ(scene.Timer1().Interval, 1);
    EXPECT_TRUE(scene.Timer1().Enabled);
    EXPECT_EQ(scene.BounceCount(), 0);
    EXPECT_EQ(scene.Label(LabelId::Label2).Caption, "");
    EXPECT_EQ(host.Beeps, 0);
}

}  // namespace
}  // namespace bumblorbs
