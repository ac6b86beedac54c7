#include "host/sdl/show_watchdog.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace bumblorbs {
namespace {

using namespace std::chrono_literals;

TEST(ShowWatchdogDeathTest, EndsTheProgramWhenTheWindowIsNeverShown) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const ShowWatchdog watchdog(1s);
            std::this_thread::sleep_for(5s);
        },
        ::testing::ExitedWithCode(1), "the window manager did not show the window");
}

TEST(ShowWatchdogTest, StaysQuietWhenTheWindowIsShownInTime) {
    const auto start = std::chrono::steady_clock::now();
    { const ShowWatchdog watchdog(30s); }
    // Disarming does not wait out the limit.
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
}

}  // namespace
}  // namespace bumblorbs
