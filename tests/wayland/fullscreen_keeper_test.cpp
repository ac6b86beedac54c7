// When the window asks the compositor for full screen again: once for each
// time the state is taken away or the output's mode changes, and never again
// and again where the compositor will not grant it.

#include "host/wayland/fullscreen_keeper.h"

#include <gtest/gtest.h>

namespace bumblorbs {
namespace {

TEST(FullscreenKeeperTest, AsksOnceWhenAGrantedStateIsTakenAway) {
    FullscreenKeeper keeper;
    EXPECT_FALSE(keeper.AskAfterConfigure(true));
    EXPECT_TRUE(keeper.AskAfterConfigure(false));
    // Refused: later configures without the state ask nothing more.
    EXPECT_FALSE(keeper.AskAfterConfigure(false));
    EXPECT_FALSE(keeper.AskAfterConfigure(false));
    // Granted again, and lost again: one more request.
    EXPECT_FALSE(keeper.AskAfterConfigure(true));
    EXPECT_FALSE(keeper.AskAfterConfigure(true));
    EXPECT_TRUE(keeper.AskAfterConfigure(false));
}

TEST(FullscreenKeeperTest, NeverAsksACompositorThatNeverGrantedIt) {
    // The request made at opening is the only one.
    FullscreenKeeper keeper;
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(keeper.AskAfterConfigure(false));
    }
}

TEST(FullscreenKeeperTest, AModeChangeAsksOnceWithoutAFurtherAskOnTheReply) {
    FullscreenKeeper keeper;
    EXPECT_FALSE(keeper.AskAfterConfigure(true));
    EXPECT_TRUE(keeper.AskAfterModeChange());
    // The compositor answers without the state: that answer stands.
    EXPECT_FALSE(keeper.AskAfterConfigure(false));
    EXPECT_TRUE(keeper.AskAfterModeChange());
    EXPECT_FALSE(keeper.AskAfterConfigure(true));
}

}  // namespace
}  // namespace bumblorbs
