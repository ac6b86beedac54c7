#include "host/app/command_line.h"

#include <gtest/gtest.h>

#include <vector>

#include "host/app/video_session.h"

namespace bumblorbs {
namespace {

using Action = CommandLine::Action;

TEST(CommandLineTest, OnlyHelpAndVersionAreUnderstood) {
    const struct {
        std::vector<std::string_view> args;
        Action expected;
    } cases[] = {
        {{}, Action::Run},
        {{"--help"}, Action::Help},
        {{"--version"}, Action::Version},
        {{"--bogus"}, Action::Refuse},
        {{"-h"}, Action::Refuse},
        {{"ball"}, Action::Refuse},
        {{"--help", "--version"}, Action::Refuse},
        {{"--version", "x"}, Action::Refuse},
        {{""}, Action::Refuse},
    };
    for (const auto& c : cases) {
        const CommandLine line = ParseCommandLine(c.args);
        EXPECT_EQ(line.What, c.expected) << (c.args.empty() ? "(none)" : c.args[0]);
        EXPECT_EQ(line.Problem.empty(), c.expected != Action::Refuse);
    }
    EXPECT_EQ(ParseCommandLine(std::vector<std::string_view>{"--help", "x"}).Problem,
              "unknown argument 'x'");
    EXPECT_EQ(VersionText(), "Bumblorbs " BUMBLORBS_VERSION "\n");
}

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
    EXPECT_EQ(WindowSystemsToTry("wayland", ":0", "").Choices,
              (Choices{{"wayland", "wayland-0"}}));
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
