#pragma once

#include <string>
#include <utility>

#include "host/core/local_clock.h"
#include "host/core/random_generator.h"
#include "host/loop/loop_services.h"

namespace bumblorbs {

// What every platform's services share: the local clock, the program's own
// generator, the window's unloading and the user's digit group separator.
// A platform adds its number format and its beep.
class LocalServices : public LoopServices {
public:
    explicit LocalServices(std::string groupSeparator) : separator_(std::move(groupSeparator)) {}

    float SecondsSinceMidnight() override { return LocalSecondsSinceMidnight(); }
    void SeedRandom(float seed) override { generator_.Seed(seed); }
    float NextRandom() override { return generator_.Next(); }
    void UnloadWindow() override { unloaded_ = true; }

    bool Unloaded() const override { return unloaded_; }
    const std::string& GroupSeparator() const override { return separator_; }

private:
    RandomGenerator generator_;
    std::string separator_;
    bool unloaded_ = false;
};

}  // namespace bumblorbs
