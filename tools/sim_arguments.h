#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "scene/designed_layout.h"

namespace bumblorbs {

struct Resize {
    long Tick = 0;  // from this tick on, counting from 1
    TwipSize Interior;
};

struct SimArguments {
    bool Help = false;
    float ClockSeconds = 43200;
    long Ticks = 1000;
    TwipSize Interior = DesignedLayout.DesignedInterior;
    // In the order of their ticks, at most one a tick.
    std::vector<Resize> Resizes;
};

// Whole twips are exact in single precision up to 2^24; a size beyond that
// would not be the size asked for.
inline constexpr float LargestSimTwips = 16'777'216.0F;

std::string SimUsage();

// Reads the simulator's command line (without the program's name); on a bad
// argument returns nothing and puts the reason in `problem`.
std::optional<SimArguments> ParseSimArguments(std::span<const std::string> args,
                                              std::string& problem);

}  // namespace bumblorbs
