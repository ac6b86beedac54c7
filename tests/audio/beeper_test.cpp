// The beeper through SDL's disk audio driver, which writes what it plays to a
// file at the pace a sound card would take it.

#include "host/audio/beeper.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

namespace bumblorbs {
namespace {

using namespace std::chrono_literals;

std::vector<float> Played(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<float> samples;
    float sample = 0;
    while (in.read(reinterpret_cast<char*>(&sample), sizeof sample)) {
        samples.push_back(sample);
    }
    return samples;
}

// The device's file is written anew each time it opens; none is opened
// before the first beep.
TEST(BeeperTest, RestsWhileSilentAndABeepSoundsAtOnceWithoutAClick) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("beeper_test_" + std::to_string(getpid()));
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
    {
        std::filesystem::remove(file);
        Beeper beeper;
        beeper.RestWhenSilent();
        std::this_thread::sleep_for(100ms);
        EXPECT_FALSE(std::filesystem::exists(file)) << "the device was opened before any beep";

        beeper.Beep();
        ASSERT_TRUE(beeper.Working()) << beeper.Problem();
        std::this_thread::sleep_for(400ms);
        const std::vector<float> played = Played(file);
        ASSERT_FALSE(played.empty());
        std::size_t first = 0;
        while (first < played.size() && played[first] == 0) {
            ++first;
        }
        // Within the first buffer of 512 samples, from silence.
        EXPECT_LT(first, 512U);
        EXPECT_LT(std::fabs(played[first]), 0.01F);

        beeper.RestWhenSilent();
        const auto rested = std::filesystem::file_size(file);
        std::this_thread::sleep_for(150ms);
        EXPECT_EQ(std::filesystem::file_size(file), rested) << "the device goes on after the ding";
    }
    std::filesystem::remove(file);
    unsetenv("SDL_AUDIODRIVER");
}

}  // namespace
}  // namespace bumblorbs
