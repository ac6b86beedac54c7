#include "scene/scene.h"

#include <gtest/gtest.h>

#include "scene/designed_layout.h"
#include "scene/scene_fault.h"

namespace bumblorbs {
namespace {

class SceneTest : public ::testing::Test {
protected:
    Scene scene{DesignedLayout};
};

TEST_F(SceneTest, BuiltFromTheDesignedLayout) {
    EXPECT_EQ(scene.Caption(), "Bumblorbs");
    EXPECT_EQ(scene.BackColor(), 0x00000000U);
    for (int i = 0; i < BallCount; ++i) {
        const auto& designed = DesignedLayout.Balls[static_cast<std::size_t>(i)];
        const Ball& ball = scene.Shape1(i);
        EXPECT_EQ(ball.Index, i);
        EXPECT_EQ(ball.Left, designed.Left) << i;
        EXPECT_EQ(ball.Top, designed.Top) << i;
        EXPECT_EQ(ball.Width, 1215);
        EXPECT_EQ(ball.Height, 495);
        EXPECT_EQ(scene.SpeedX(i), 0);
        EXPECT_EQ(scene.SpeedY(i), 0);
    }
    EXPECT_EQ(scene.BounceCount(), 0);
    EXPECT_EQ(scene.Label(LabelId::Label1).Caption, "停止するときには、右クリックしてください。");
    EXPECT_EQ(scene.Label(LabelId::Label1).ForeColor, 0x00FFFFFFU);
    EXPECT_EQ(scene.Label(LabelId::Label2).Caption, "");
    EXPECT_EQ(scene.Label(LabelId::Label2).ForeColor, 0x000000FFU);
    EXPECT_EQ(scene.Timer1().Interval, 0);
    EXPECT_TRUE(scene.Timer1().Enabled);
    EXPECT_FALSE(scene.Timer1().Ticking());
}

TEST_F(SceneTest, DesignedTableKeepsItsSharedBoxesAndColours) {
    // Ball 0 is red with a blue outline; ball 49 shares its box in yellow.
    EXPECT_EQ(scene.Shape1(0).BackColor, 0x000000FFU);
    EXPECT_EQ(scene.Shape1(0).BorderColor, 0x00FF0000U);
    EXPECT_EQ(scene.Shape1(49).BackColor, 0x0000FFFFU);
    for (int i : {10, 20, 39, 59}) {
        EXPECT_EQ(scene.Shape1(i).Left, 4200) << i;
        EXPECT_EQ(scene.Shape1(i).Top, 3480) << i;
    }
    EXPECT_EQ(scene.Shape1(49).Left, scene.Shape1(0).Left);
    EXPECT_EQ(scene.Shape1(49).Top, scene.Shape1(0).Top);
    EXPECT_EQ(scene.Shape1(16).Top, 0);
    EXPECT_EQ(scene.Shape1(19).Left, 0);
}

TEST_F(SceneTest, MoveSetsBothCornersKeepsTheSizeAndNeverClamps) {
    scene.Move(7, -300.5F, 20000);
    EXPECT_EQ(scene.Shape1(7).Left, -300.5F);
    EXPECT_EQ(scene.Shape1(7).Top, 20000);
    EXPECT_EQ(scene.Shape1(7).Width, 1215);
    EXPECT_EQ(scene.Shape1(7).Height, 495);
}

TEST_F(SceneTest, RecordsWhatNeedsRepainting) {
    scene.TakeDamage();  // the first paint covers everything
    EXPECT_FALSE(scene.PendingDamage().Any());

    scene.Move(5, 100, 200);
    scene.Move(5, 300, 400);
    scene.SetCaption(LabelId::Label2, "1");
    Damage damage = scene.TakeDamage();
    EXPECT_FALSE(damage.Everything);
    EXPECT_EQ(damage.Balls.count(), 1U);
    EXPECT_TRUE(damage.Balls.test(5));
    // The old circle to paint over is where the ball stood before the first
    // move, not between the two.
    EXPECT_EQ(damage.FormerBoxes[5].Left, 7320);
    EXPECT_EQ(damage.FormerBoxes[5].Top, 2880);
    EXPECT_TRUE(damage.Labels.test(SlotOf(LabelId::Label2)));
    EXPECT_FALSE(damage.Labels.test(SlotOf(LabelId::Label1)));
    EXPECT_FALSE(scene.PendingDamage().Any());

    scene.SetBackColor(0x00123456);
    EXPECT_TRUE(scene.TakeDamage().Everything);
    scene.SetBallBackColor(3, 0x00010203);
    EXPECT_TRUE(scene.TakeDamage().Balls.test(3));
}

TEST_F(SceneTest, IndicesOutsideTheArrayAreFaults) {
    for (int bad : {-1, 60, 1000}) {
        EXPECT_THROW(scene.Shape1(bad), SceneFault);
        EXPECT_THROW(scene.Move(bad, 0, 0), SceneFault);
        EXPECT_THROW(scene.SetBallBackColor(bad, 0), SceneFault);
        EXPECT_THROW(scene.SpeedX(bad), SceneFault);
        EXPECT_THROW(scene.SpeedY(bad), SceneFault);
        EXPECT_THROW(scene.SetSpeeds(bad, 1, 1), SceneFault);
        EXPECT_THROW(scene.ReverseSpeedX(bad), SceneFault);
    }
    EXPECT_NO_THROW(scene.Shape1(59));
}

TEST_F(SceneTest, ReportsTheDesignedInteriorUntilToldItsRealSize) {
    EXPECT_EQ(scene.ScaleWidth(), 9780);
    EXPECT_EQ(scene.ScaleHeight(), 10650);
    scene.SetInteriorSize({1500, 0});
    EXPECT_EQ(scene.ScaleWidth(), 1500);
    EXPECT_EQ(scene.ScaleHeight(), 0);
}

TEST_F(SceneTest, LabelBoxesCatchReleasesIncludingTheirEmptyParts) {
    // Label1 spans 240..6615 x 240..735; Label2 360..2175 x 720..1215.
    EXPECT_TRUE(scene.IsOverLabel(240, 240));
    EXPECT_TRUE(scene.IsOverLabel(6600, 700));
    EXPECT_TRUE(scene.IsOverLabel(2000, 1200));
    EXPECT_FALSE(scene.IsOverLabel(6615, 300));
    EXPECT_FALSE(scene.IsOverLabel(239, 300));
    EXPECT_FALSE(scene.IsOverLabel(2175, 1000));
    EXPECT_FALSE(scene.IsOverLabel(300, 1215));
}

TEST(CircleOfTest, DesignedBoxGivesACentredCircleAsTallAsTheBox) {
    const TwipRect circle = CircleOf({360, 1800, 1215, 495});
    EXPECT_EQ(circle.Left, 720);
    EXPECT_EQ(circle.Top, 1800);
    EXPECT_EQ(circle.Width, 495);
    EXPECT_EQ(circle.Height, 495);
}

}  // namespace
}  // namespace bumblorbs
