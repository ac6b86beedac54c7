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

TEST(VideoDriversToTryTest, TriesOnlyWhatTheEnvironmentNames) {
    const auto names = [](const std::vector<VideoDriverChoice>& choices) {
        std::vector<std::string> found;
        for (const auto& choice : choices) {
            found.push_back(choice.Driver);
        }
        return found;
    };
    using Names = std::vector<std::string>;
    EXPECT_EQ(names(VideoDriversToTry("", ":0", "")), Names{"x11"});
    EXPECT_EQ(names(VideoDriversToTry("", "", "wayland-0")), Names{"wayland"});
    EXPECT_EQ(names(VideoDriversToTry("", ":0", "wayland-0")), (Names{"x11", "wayland"}));
    EXPECT_EQ(names(VideoDriversToTry("offscreen", "", "")), Names{"offscreen"});
    EXPECT_TRUE(VideoDriversToTry("", "", "").empty());
    // A display that cannot be reached is named to the user.
    EXPECT_EQ(VideoDriversToTry("", ":99", "")[0].WhenUnreachable, "cannot open display :99");
}

}  // namespace
}  // namespace bumblorbs
