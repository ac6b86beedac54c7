#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "behaviour/host_services.h"
#include "host/core/number_format.h"
#include "host/core/random_generator.h"

namespace bumblorbs {

// The program's own generator and number format, with a clock that stands
// still and a beep that is only counted: the toy's rules run exactly as on
// the desktop, without one. For the simulator, benchmarks and tests.
class HeadlessServices final : public HostServices {
public:
    explicit HeadlessServices(float clock) : clock_(clock) {}

    float SecondsSinceMidnight() override { return clock_; }
    void SeedRandom(float seed) override { generator_.Seed(seed); }
    float NextRandom() override { return generator_.Next(); }
    std::string FormatNumber(std::int64_t value, std::string_view pattern) override {
        return FormatByPattern(value, pattern, ",");
    }
    void SoundBeep() override { ++beeps_; }
    void UnloadWindow() override {}

    std::int64_t Beeps() const { return beeps_; }
    // The beeps since the last call.
    std::int64_t TakeBeeps() { return std::exchange(beeps_, 0); }

private:
    float clock_;
    RandomGenerator generator_;
    std::int64_t beeps_ = 0;
};

}  // namespace bumblorbs
