#include "host/app/command_line.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace bumblorbs {
namespace {

using Action = CommandLine::Action;

TEST(CommandLineTest, UnderstandsItsFourOptionsAlone) {
    using Target = CommandLine::Target;
    const struct {
        std::vector<std::string_view> args;
        Action expected;
        Target where;
    } cases[] = {
        {{}, Action::Run, Target::OwnWindow},
        {{"--help"}, Action::Help, Target::OwnWindow},
        {{"--version"}, Action::Version, Target::OwnWindow},
        {{"--root"}, Action::Run, Target::Root},
        {{"--window-id", "42"}, Action::Run, Target::GivenWindow},
        {{"--bogus"}, Action::Refuse, Target::OwnWindow},
        {{"-h"}, Action::Refuse, Target::OwnWindow},
        {{"-root"}, Action::Refuse, Target::OwnWindow},
        {{"ball"}, Action::Refuse, Target::OwnWindow},
        {{"--help", "--version"}, Action::Refuse, Target::OwnWindow},
        {{"--version", "x"}, Action::Refuse, Target::OwnWindow},
        {{"--root", "--window-id", "42"}, Action::Refuse, Target::OwnWindow},
        {{"--window-id"}, Action::Refuse, Target::OwnWindow},
        {{"--window-id", "42", "43"}, Action::Refuse, Target::OwnWindow},
        {{"--window-id", "none"}, Action::Refuse, Target::OwnWindow},
        {{""}, Action::Refuse, Target::OwnWindow},
    };
    for (const auto& c : cases) {
        const CommandLine line = ParseCommandLine(c.args);
        const std::string_view shown = c.args.empty() ? "(none)" : c.args.back();
        EXPECT_EQ(line.What, c.expected) << shown;
        EXPECT_EQ(line.Where, c.where) << shown;
        EXPECT_EQ(line.Problem.empty(), c.expected != Action::Refuse) << shown;
    }
    const auto problem = [](std::vector<std::string_view> args) {
        return ParseCommandLine(args).Problem;
    };
    EXPECT_EQ(problem({"--help", "x"}), "unknown argument 'x'");
    EXPECT_EQ(problem({"--bogus", "x"}), "unknown argument '--bogus'");
    EXPECT_EQ(problem({"--window-id"}), "--window-id needs a window ID");
    const CommandLine mistyped =
        ParseCommandLine(std::vector<std::string_view>{"--window-id", "0x"});
    EXPECT_EQ(mistyped.Problem, "bad window ID '0x' in --window-id (a number, decimal or 0x hex)");
    // A mistyped ID is said in one line; an unknown word earns a pointer to --help.
    EXPECT_FALSE(mistyped.PointAtHelp);
    EXPECT_TRUE(ParseCommandLine(std::vector<std::string_view>{"--bogus"}).PointAtHelp);
    EXPECT_EQ(VersionText(), "Bumblorbs " BUMBLORBS_VERSION "\n");
}

TEST(CommandLineTest, XScreenSaversWindowIsTakenWithoutAnOptionOrWithRoot) {
    const std::vector<std::string_view> none;
    const std::vector<std::string_view> root{"--root"};
    const std::vector<std::string_view> given{"--window-id", "7"};
    EXPECT_EQ(ParseCommandLine(none, "0x2A").Where, CommandLine::Target::GivenWindow);
    EXPECT_EQ(ParseCommandLine(none, "0x2A").WindowId, 42U);
    EXPECT_EQ(ParseCommandLine(root, "0x2A").WindowId, 42U);
    // An explicit window wins over the environment's.
    EXPECT_EQ(ParseCommandLine(given, "0x2A").WindowId, 7U);
    EXPECT_EQ(ParseCommandLine(std::vector<std::string_view>{"--help"}, "0x2A").What, Action::Help);
    const CommandLine bad = ParseCommandLine(none, "0x2A junk");
    EXPECT_EQ(bad.What, Action::Refuse);
    EXPECT_EQ(bad.Problem,
              "bad window ID '0x2A junk' in XSCREENSAVER_WINDOW (a number, decimal or 0x hex)");
}

TEST(CommandLineTest, WindowIdsAreDecimalOrHexAndNothingElse) {
    EXPECT_EQ(ParseWindowId("4194311"), 4194311U);
    EXPECT_EQ(ParseWindowId("0x400007"), 0x400007U);
    EXPECT_EQ(ParseWindowId("0X40000a"), 0x40000AU);
    EXPECT_EQ(ParseWindowId("0x1FFFFFFF"), 0x1FFFFFFFU);
    for (const std::string_view bad :
         {"", "0", "0x0", "0x", "x10", "-5", "+5", " 5", "5 ", "12abc", "0x12g", "0x-1", "1e3",
          "0x20000000", "536870912", "99999999999999999999999", "0o17"}) {
        EXPECT_FALSE(ParseWindowId(bad)) << '"' << bad << '"';
    }
}

}  // namespace
}  // namespace bumblorbs
