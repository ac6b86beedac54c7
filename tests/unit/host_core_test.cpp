#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "host/core/ding.h"
#include "host/core/number_format.h"
#include "host/core/random_generator.h"
#include "host/core/tick_schedule.h"

namespace bumblorbs {
namespace {

TEST(RandomGeneratorTest, StaysBelowOneEvenAfterRoundingToSingle) {
    RandomGenerator generator;
    generator.Seed(12345.5F);
    float lowest = 1;
    float highest = 0;
    for (int n = 0; n < 2'000'000; ++n) {
        const float value = generator.Next();
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
        // A 1.0 here would turn into a step of 201.
        ASSERT_LT(std::floor(static_cast<double>(value) * 200) + 1, 201);
    }
    EXPECT_GE(lowest, 0.0F);
    EXPECT_LT(highest, 1.0F);
    EXPECT_GT(highest, 0.999F);
    EXPECT_LT(lowest, 0.001F);
}

TEST(RandomGeneratorTest, ReseedingWithTheSameClockReadingGivesFreshValues) {
    RandomGenerator generator;
    std::set<float> firsts;
    for (int ball = 1; ball < 60; ++ball) {
        generator.Seed(43200.0F);
        firsts.insert(generator.Next());
    }
    EXPECT_EQ(firsts.size(), 59U);
    // Back-to-back seeds with no draw between still move the state on.
    RandomGenerator a;
    RandomGenerator b;
    a.Seed(7);
    b.Seed(7);
    b.Seed(7);
    EXPECT_NE(a.Next(), b.Next());
}

TEST(RandomGeneratorTest, SameSeedsFromTheSameStartRepeat) {
    RandomGenerator a;
    RandomGenerator b;
    a.Seed(1.5F);
    b.Seed(1.5F);
    for (int n = 0; n < 100; ++n) {
        ASSERT_EQ(a.Next(), b.Next());
    }
}

TEST(FormatByPatternTest, GroupsDigitsByThreesWithTheGivenSeparator) {
    EXPECT_EQ(FormatByPattern(1, "#,###", ","), "1");
    EXPECT_EQ(FormatByPattern(999, "#,###", ","), "999");
    EXPECT_EQ(FormatByPattern(1000, "#,###", ","), "1,000");
    EXPECT_EQ(FormatByPattern(1234, "#,###", "."), "1.234");
    EXPECT_EQ(FormatByPattern(1234567, "#,###", "\u202F"), "1\u202F234\u202F567");
    EXPECT_EQ(FormatByPattern(INT64_MAX, "#,###", ","), "9,223,372,036,854,775,807");
    EXPECT_EQ(FormatByPattern(INT64_MIN, "#,###", ","), "-9,223,372,036,854,775,808");
    EXPECT_EQ(FormatByPattern(1234, "####", ","), "1234");
    // '#' places show no insignificant zero.
    EXPECT_EQ(FormatByPattern(0, "#,###", ","), "");
}

constexpr std::int64_t Ms = 1'000'000;

TEST(TickScheduleTest, ShortIntervalsTickAtTheTimerResolution) {
    EXPECT_EQ(TickPeriodNs(1), TimerResolutionNs);
    EXPECT_EQ(TickPeriodNs(15), TimerResolutionNs);
    EXPECT_EQ(TickPeriodNs(16), 16 * Ms);
    EXPECT_EQ(TickPeriodNs(1000), 1000 * Ms);
}

TEST(TickScheduleTest, KeepsSixtyFourPerSecondWithoutDrift) {
    TickSchedule schedule;
    const std::int64_t start = 5'000 * Ms;
    schedule.Start(start, TickPeriodNs(1));
    std::int64_t now = start;
    int ticks = 0;
    // Wake when told, a little late each time, as a real loop does.
    while (now < start + 60'000 * Ms) {
        now = schedule.NextDueNs() + 300'000;
        if (schedule.TakeDue(now)) {
            ++ticks;
        }
    }
    EXPECT_EQ(ticks, 64 * 60);
}

TEST(TickScheduleTest, DropsTicksMissedDuringAStall) {
    TickSchedule schedule;
    schedule.Start(0, TimerResolutionNs);
    EXPECT_FALSE(schedule.TakeDue(TimerResolutionNs - 1));
    EXPECT_TRUE(schedule.TakeDue(TimerResolutionNs));
    // A one-second stall: one tick, not sixty-four in a burst.
    EXPECT_TRUE(schedule.TakeDue(1000 * Ms));
    EXPECT_FALSE(schedule.TakeDue(1000 * Ms + 1));
    // The next falls back on the cadence: 65 x 15.625 ms = 1015.625 ms.
    EXPECT_EQ(schedule.NextDueNs(), 1015 * Ms + 625'000);
    EXPECT_FALSE(schedule.TakeDue(1015 * Ms));
    EXPECT_TRUE(schedule.TakeDue(1015 * Ms + 625'000));
}

TEST(TickScheduleTest, StoppedScheduleNeverTicks) {
    TickSchedule schedule;
    EXPECT_FALSE(schedule.TakeDue(1'000'000 * Ms));
    schedule.Start(0, TimerResolutionNs);
    schedule.Stop();
    EXPECT_FALSE(schedule.TakeDue(1'000 * Ms));
}

TEST(DingTest, ShortModerateAndSilentAtBothEnds) {
    const std::vector<float> ding = SynthesiseDing(48000);
    ASSERT_FALSE(ding.empty());
    EXPECT_LE(ding.size(), 48000U / 4);
    EXPECT_NEAR(ding.front(), 0, 1e-3);
    EXPECT_NEAR(ding.back(), 0, 1e-3);
    float peak = 0;
    float largestJump = 0;
    for (std::size_t n = 0; n < ding.size(); ++n) {
        peak = std::max(peak, std::fabs(ding[n]));
        if (n > 0) {
            largestJump = std::max(largestJump, std::fabs(ding[n] - ding[n - 1]));
        }
    }
    EXPECT_GT(peak, 0.1F);
    EXPECT_LT(peak, 0.5F);
    // No step larger than the tone itself makes: no click.
    EXPECT_LT(largestJump, 0.1F);
}

}  // namespace
}  // namespace bumblorbs
