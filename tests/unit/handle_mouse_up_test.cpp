#include "behaviour/handle_mouse_up.h"

#include <gtest/gtest.h>

#include "scripted_host.h"

namespace bumblorbs {
namespace {

using testing::ScriptedHost;

class HandleMouseUpTest : public ::testing::Test {
protected:
    Scene scene{DesignedLayout};
    ScriptedHost host;
};

TEST_F(HandleMouseUpTest, LeftReseedsAndPaintsTheBackgroundFromThreeDraws) {
    host.Randoms = {0.0F, 0.5F, 1.0F - 0x1.0p-24F};
    HandleMouseUp(scene, host, LeftButton, 0, 100, 100);
    // Red, then green, then blue; never 0, so never the designed black.
    EXPECT_EQ(scene.BackColor(), MakeColour(1, 128, 255));
    EXPECT_EQ(host.Seeds, std::vector<float>{host.Clock});
    EXPECT_EQ(host.Unloads, 0);
    EXPECT_TRUE(scene.PendingDamage().Everything);
}

TEST_F(HandleMouseUpTest, DoubleLeftClickPaintsTwice) {
    host.Randoms = {0.1F, 0.1F, 0.1F, 0.9F, 0.9F, 0.9F};
    HandleMouseUp(scene, host, LeftButton, 0, 0, 0);
    const Colour first = scene.BackColor();
    HandleMouseUp(scene, host, LeftButton, 0, 0, 0);
    EXPECT_NE(scene.BackColor(), first);
    EXPECT_EQ(host.Seeds.size(), 2U);
}

TEST_F(HandleMouseUpTest, RightUnloadsTheWindowAndChangesNothingElse) {
    HandleMouseUp(scene, host, RightButton, 0, 0, 0);
    EXPECT_EQ(host.Unloads, 1);
    EXPECT_EQ(scene.BackColor(), 0U);
    EXPECT_EQ(host.RandomsDrawn, 0);
}

TEST_F(HandleMouseUpTest, MiddleDoesNothing) {
    HandleMouseUp(scene, host, MiddleButton, 7, 0, 0);
    EXPECT_EQ(host.Unloads, 0);
    EXPECT_EQ(host.RandomsDrawn, 0);
    EXPECT_EQ(scene.BackColor(), 0U);
}

TEST_F(HandleMouseUpTest, LeftBitWinsOverRight) {
    host.Randoms = {0.5F, 0.5F, 0.5F};
    HandleMouseUp(scene, host, LeftButton | RightButton, 0, 0, 0);
    EXPECT_EQ(host.Unloads, 0);
    EXPECT_NE(scene.BackColor(), 0U);
}

}  // namespace
}  // namespace bumblorbs
