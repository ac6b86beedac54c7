#pragma once

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "behaviour/host_services.h"
#include "host/core/number_format.h"

namespace bumblorbs::testing {

// A host whose clock, random draws and sound are scripted and recorded.
class ScriptedHost final : public HostServices {
public:
    float Clock = 43200.5F;
    std::deque<float> Randoms;  // consumed by NextRandom; empty means a fault
    std::vector<float> Seeds;
    int RandomsDrawn = 0;
    int Beeps = 0;
    int Unloads = 0;

    float SecondsSinceMidnight() override { return Clock; }
    void SeedRandom(float seed) override { Seeds.push_back(seed); }
    float NextRandom() override {
        if (Randoms.empty()) {
            throw std::logic_error("the script has no random value left");
        }
        const float value = Randoms.front();
        Randoms.pop_front();
        ++RandomsDrawn;
        return value;
    }
    std::string FormatNumber(std::int64_t value, std::string_view pattern) override {
        return FormatByPattern(value, pattern, ",");
    }
    void SoundBeep() override { ++Beeps; }
    void UnloadWindow() override { ++Unloads; }
};

}  // namespace bumblorbs::testing
