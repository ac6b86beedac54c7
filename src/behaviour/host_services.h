#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "scene/units.h"

namespace bumblorbs {

// Everything the program's rules need from the platform. The real host, the
// simulator and the tests' scripted host each provide one.
class HostServices {
public:
    virtual ~HostServices() = default;

    // Local time since midnight, with its fraction.
    virtual float SecondsSinceMidnight() = 0;
    // Folds the seed into the generator's state; a seed seen before does not
    // restart the sequence.
    virtual void SeedRandom(float seed) = 0;
    // 0 <= value < 1.
    virtual float NextRandom() = 0;
    // Formats by a pattern of '#' digits: "#,###" gives a whole number with
    // digit groups of three joined by the locale's group separator.
    virtual std::string FormatNumber(std::int64_t value, std::string_view pattern) = 0;
    // Returns at once.
    virtual void SoundBeep() = 0;
    // Closes the window; the program ends when the current handler returns.
    virtual void UnloadWindow() = 0;

    double Floor(double value) const { return std::floor(value); }
    Colour MakeColour(int red, int green, int blue) const {
        return bumblorbs::MakeColour(red, green, blue);
    }
};

}  // namespace bumblorbs
