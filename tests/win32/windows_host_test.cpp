#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "host/core/local_clock.h"
#include "host/win32/input_rules.h"
#include "host/win32/program_arguments.h"
#include "host/win32/user_number_format.h"
#include "host/win32/wave_file.h"
#include "host/win32/wide_text.h"

namespace bumblorbs {
namespace {

using Action = ProgramArguments::Action;

ProgramArguments Parse(std::vector<std::string> args, bool asSaver = true) {
    return ParseProgramArguments(args, asSaver);
}

TEST(ProgramArgumentsTest, TakesEverySwitchWindowsStartsASaverWith) {
    EXPECT_EQ(Parse({"/s"}).What, Action::FullScreenSaver);
    EXPECT_EQ(Parse({"/S"}).What, Action::FullScreenSaver);
    EXPECT_EQ(Parse({"-s"}).What, Action::FullScreenSaver);
    EXPECT_EQ(Parse({"/c"}).What, Action::Configure);
    EXPECT_EQ(Parse({"/c:1234"}).What, Action::Configure);
    const ProgramArguments apart = Parse({"/p", "1234"});
    EXPECT_EQ(apart.What, Action::Preview);
    EXPECT_EQ(apart.ParentWindow, 1234U);
    const ProgramArguments joined = Parse({"/P:65538"});
    EXPECT_EQ(joined.What, Action::Preview);
    EXPECT_EQ(joined.ParentWindow, 65538U);
}

TEST(ProgramArgumentsTest, NoWordRunsTheProgramButConfiguresTheSaver) {
    EXPECT_EQ(Parse({}, false).What, Action::Run);
    EXPECT_EQ(Parse({}, true).What, Action::Configure);
    EXPECT_EQ(Parse({"--help"}, false).What, Action::Help);
    EXPECT_EQ(Parse({"--version"}, true).What, Action::Version);
}

TEST(ProgramArgumentsTest, RefusesWhatItCannotTakeWithTheWordInTheLine) {
    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{"/x"},
                                               {"/s", "extra"},
                                               {"/s:1"},
                                               {"--root"},
                                               {"/p"},
                                               {"/p", "0"},
                                               {"/p", "-5"},
                                               {"/p", "12ab"},
                                               {"/p:"},
                                               {"/p", "99999999999"},
                                               {"/p", "1", "2"},
                                               {"--help", "/s"},
                                               {"/"},
                                               {"s"}}) {
        const ProgramArguments refused = Parse(bad);
        EXPECT_EQ(refused.What, Action::Refuse) << bad[0];
        EXPECT_FALSE(refused.Problem.empty()) << bad[0];
    }
    EXPECT_NE(Parse({"/p", "12ab"}).Problem.find("12ab"), std::string::npos);
}

TEST(WideTextTest, RoundTripsTheLabelsJapaneseAndRefusesBrokenText) {
    const std::string japanese = "停止するときには、右クリックしてください。";
    EXPECT_EQ(Widen(japanese).size(), 21U);
    EXPECT_EQ(Narrow(Widen(japanese)), japanese);
    EXPECT_EQ(Widen("\xff\xfe"), L"");
    EXPECT_EQ(Narrow(std::wstring(1, static_cast<wchar_t>(0xD800))), "");
}

// Windows' number formatting in the locale the tests run in (English
// unless LANG says otherwise; the German one is checked end to end).
TEST(UserNumberFormatTest, GroupsOnlyWhereThePatternAsksAndGivesNothingForZero) {
    const std::string separator = UserGroupSeparator();
    ASSERT_FALSE(separator.empty());
    EXPECT_EQ(FormatUserNumber(0, "#,###"), "");
    EXPECT_EQ(FormatUserNumber(7, "#,###"), "7");
    EXPECT_EQ(FormatUserNumber(1234, "####"), "1234");
    EXPECT_EQ(FormatUserNumber(1234567, "#,###"), "1" + separator + "234" + separator + "567");
    const std::string most = FormatUserNumber(INT64_MAX, "#,###");
    EXPECT_EQ(most.substr(0, 1 + separator.size()), "9" + separator);
    EXPECT_EQ(most.substr(most.size() - 3), "807");
}

// Run with Wine's locale set to another language, and the separator that
// language groups digits with in BUMBLORBS_EXPECTED_SEPARATOR; skipped
// otherwise.
TEST(UserNumberFormatTest, FollowsTheLocaleWineRunsIn) {
    const char* expected = std::getenv("BUMBLORBS_EXPECTED_SEPARATOR");
    if (expected == nullptr) {
        GTEST_SKIP() << "no locale named";
    }
    EXPECT_EQ(UserGroupSeparator(), expected);
    const std::string separator = expected;
    EXPECT_EQ(FormatUserNumber(1234567, "#,###"), "1" + separator + "234" + separator + "567");
    EXPECT_EQ(FormatUserNumber(-1234, "#,###"), "-1" + separator + "234");
}

TEST(LocalClockTest, GivesAMomentOfToday) {
    const float seconds = LocalSecondsSinceMidnight();
    EXPECT_GE(seconds, 0.0F);
    EXPECT_LT(seconds, 86400.0F);
}

TEST(WaveFileTest, HoldsTheSamplesAsSixteenBitPcmWithAnHonestHeader) {
    const std::vector<float> samples = {0.0F, 1.0F, -1.0F, 2.0F, 0.5F};
    const std::vector<std::uint8_t> wave = PcmWaveFile(samples, 22050);
    ASSERT_EQ(wave.size(), 44U + 2 * samples.size());
    EXPECT_EQ(std::memcmp(wave.data(), "RIFF", 4), 0);
    EXPECT_EQ(std::memcmp(wave.data() + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(std::memcmp(wave.data() + 36, "data", 4), 0);
    const auto word = [&](std::size_t at, int size) {
        std::uint32_t value = 0;
        for (int byte = size - 1; byte >= 0; --byte) {
            value = value << 8 | wave[at + static_cast<std::size_t>(byte)];
        }
        return value;
    };
    EXPECT_EQ(word(4, 4), wave.size() - 8);
    EXPECT_EQ(word(24, 4), 22050U);
    EXPECT_EQ(word(40, 4), 2 * samples.size());
    EXPECT_EQ(word(44 + 2, 2), 32767U);
    EXPECT_EQ(word(44 + 4, 2), 0x10000U - 32767U);
    // Beyond the range a sample is clipped, not wrapped round.
    EXPECT_EQ(word(44 + 6, 2), 32767U);
}

TEST(SaverInputRuleTest, EndsOnlyOnAMoveOfMoreThanAFewPixelsFromTheFirstSeen) {
    SaverInputRule rule;
    EXPECT_FALSE(rule.MovedAway(500, 300));
    EXPECT_FALSE(rule.MovedAway(504, 296));
    EXPECT_FALSE(rule.MovedAway(500, 300));
    EXPECT_TRUE(rule.MovedAway(505, 300));
    EXPECT_TRUE(rule.MovedAway(500, 290));
}

}  // namespace
}  // namespace bumblorbs
