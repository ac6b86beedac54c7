// The window systems the desktop program tries, from the environment.
#include "host/sdl/video_session.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bumblorbs {
namespace {

TEST(WindowSystemsToTryTest, WaylandFirstUnlessSdlVideoDriverDecides) {
    using Choices = std::vector<WindowSystemChoice>;
    const WindowSystemChoice wayland{"wayland", "wayland-1"};
    const WindowSystemChoice x11{"x11", ":0"};
    EXPECT_EQ(WindowSystemsToTry("", ":0", "").Choices, Choices{x11});
    EXPECT_EQ(WindowSystemsToTry("", "", "wayland-1").Choices, Choices{wayland});
    // On a Wayland desktop, which sets both, Wayland first and X11 if it fails.
    EXPECT_EQ(WindowSystemsToTry("", ":0", "wayland-1").Choices, (Choices{wayland, x11}));
    // SDL_VIDEODRIVER decides alone; empty is as good as unset.
    EXPECT_EQ(WindowSystemsToTry("x11", ":0", "wayland-1").Choices, Choices{x11});
    EXPECT_EQ(WindowSystemsToTry("wayland", ":0", "wayland-1").Choices, Choices{wayland});
    EXPECT_EQ(WindowSystemsToTry("wayland", ":0", "").Choices, (Choices{{"wayland", "wayland-0"}}));
    EXPECT_EQ(WindowSystemsToTry("kmsdrm", "", "").Choices, (Choices{{"kmsdrm", ""}}));
}

TEST(WindowSystemsToTryTest, RefusesWhatCannotShowAWindow) {
    for (const char* driver : {"dummy", "offscreen", "evdev"}) {
        const WindowSystemPlan plan = WindowSystemsToTry(driver, ":0", "wayland-1");
        EXPECT_TRUE(plan.Choices.empty()) << driver;
        EXPECT_EQ(plan.Refusal, "SDL_VIDEODRIVER=" + std::string(driver) +
                                    " cannot show a window (use x11 or wayland, or unset it)");
    }
    const WindowSystemPlan none = WindowSystemsToTry("", "", "");
    EXPECT_TRUE(none.Choices.empty());
    EXPECT_EQ(none.Refusal, "no display is set (DISPLAY and WAYLAND_DISPLAY are empty)");
}

}  // namespace
}  // namespace bumblorbs
