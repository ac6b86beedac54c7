#include "tools/sim_arguments.h"

#include <gtest/gtest.h>

namespace bumblorbs {
namespace {

std::optional<SimArguments> Parse(std::vector<std::string> args) {
    std::string problem;
    auto parsed = ParseSimArguments(args, problem);
    EXPECT_EQ(parsed.has_value(), problem.empty()) << problem;
    return parsed;
}

TEST(SimArgumentsTest, DefaultsAreTheDesignedRun) {
    const auto parsed = Parse({});
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->Clock, 43200);
    EXPECT_EQ(parsed->Ticks, 1000);
    EXPECT_EQ(parsed->Interior.Width, 9780);
    EXPECT_EQ(parsed->Interior.Height, 10650);
}

TEST(SimArgumentsTest, ReadsEveryOptionWithFractions) {
    const auto parsed = Parse({"--clock", "3600.25", "--ticks", "5", "--interior", "100.5x0",
                               "--resize", "2:1x2", "--resize", "4:3x4.75"});
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->Clock, 3600.25F);
    EXPECT_EQ(parsed->Ticks, 5);
    EXPECT_EQ(parsed->Interior.Width, 100.5F);
    ASSERT_EQ(parsed->Resizes.size(), 2U);
    EXPECT_EQ(parsed->Resizes[1].Tick, 4);
    EXPECT_EQ(parsed->Resizes[1].Interior.Height, 4.75F);
}

TEST(SimArgumentsTest, RefusesBadArguments) {
    for (const auto& bad : std::vector<std::vector<std::string>>{{"--ticks"},
                                                                 {"--ticks", "-1"},
                                                                 {"--ticks", "ten"},
                                                                 {"--interior", "100"},
                                                                 {"--interior", "-1x5"},
                                                                 {"--resize", "0:1x1"},
                                                                 {"--resize", "1x1"},
                                                                 {"--clock", "nan"},
                                                                 {"--speed", "3"},
                                                                 {"--ticks", "5x"}}) {
        EXPECT_FALSE(Parse(bad)) << bad[0];
    }
}

}  // namespace
}  // namespace bumblorbs
