#include "tools/sim_arguments.h"

#include <gtest/gtest.h>

namespace bumblorbs {
namespace {

std::optional<SimArguments> Parse(std::vector<std::string> args, std::string* said = nullptr) {
    std::string problem;
    auto parsed = ParseSimArguments(args, problem);
    EXPECT_EQ(parsed.has_value(), problem.empty()) << problem;
    if (said != nullptr) {
        *said = problem;
    }
    return parsed;
}

TEST(SimArgumentsTest, DefaultsAreTheDesignedRun) {
    const auto parsed = Parse({});
    ASSERT_TRUE(parsed);
    EXPECT_FALSE(parsed->Help);
    EXPECT_EQ(parsed->ClockSeconds, 43200);
    EXPECT_EQ(parsed->Ticks, 1000);
    EXPECT_EQ(parsed->Interior.Width, DesignedLayout.DesignedInterior.Width);
    EXPECT_EQ(parsed->Interior.Height, DesignedLayout.DesignedInterior.Height);
}

TEST(SimArgumentsTest, ReadsEveryOptionWithFractionsAndHelpAnywhere) {
    const auto parsed = Parse({"--clock", "3600.25", "--ticks", "5", "--interior", "100.5x0",
                               "--resize", "4:3x4.75", "--resize", "2:1x2"});
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->ClockSeconds, 3600.25F);
    EXPECT_EQ(parsed->Ticks, 5);
    EXPECT_EQ(parsed->Interior.Width, 100.5F);
    ASSERT_EQ(parsed->Resizes.size(), 2U);
    EXPECT_EQ(parsed->Resizes[1].Tick, 4);
    EXPECT_EQ(parsed->Resizes[1].Interior.Height, 4.75F);
    for (const auto& line : std::vector<std::vector<std::string>>{
             {"--help"}, {"--ticks", "5", "--help"}, {"--bogus", "--help"}}) {
        const auto help = Parse(line);
        ASSERT_TRUE(help);
        EXPECT_TRUE(help->Help);
    }
}

TEST(SimArgumentsTest, RefusesBadArgumentsSayingWhatIsWrong) {
    const struct {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{"--bogus"}, "unknown option '--bogus'"},
        {{"-h"}, "unknown option '-h'"},
        {{"--ticks=5"}, "unknown option '--ticks=5'"},
        {{"--ticks", "5", "stray"}, "unknown option 'stray'"},
        {{"--ticks"}, "--ticks needs a value"},
        {{"--ticks", "-1"}, "bad value for --ticks: -1"},
        {{"--ticks", "5x"}, "bad value for --ticks: 5x"},
        {{"--interior", "100"}, "bad value for --interior: 100"},
        {{"--interior", "-1x5"}, "bad value for --interior: -1x5"},
        {{"--interior", "999999999999999999999999x5"}, "bad value for --interior"},
        {{"--interior", "16777217x5"}, "bad value for --interior"},
        {{"--clock", "nan"}, "bad value for --clock: nan"},
        {{"--clock", "-1"}, "bad value for --clock: -1"},
        {{"--clock", "86400.5"}, "bad value for --clock: 86400.5"},
        {{"--resize", "0:1x1"}, "bad value for --resize: 0:1x1"},
        {{"--resize", "1x1"}, "bad value for --resize: 1x1"},
        {{"--ticks", "5", "--resize", "6:1x1"}, "comes after the last tick"},
        {{"--resize", "3:1x1", "--resize", "3:2x2"}, "two --resize at tick 3"},
    };
    for (const auto& c : cases) {
        std::string said;
        EXPECT_FALSE(Parse(c.args, &said)) << c.args[0];
        EXPECT_NE(said.find(c.says), std::string::npos) << said;
    }
    EXPECT_TRUE(Parse({"--interior", "16777216x0", "--clock", "86400"}));
}

}  // namespace
}  // namespace bumblorbs
