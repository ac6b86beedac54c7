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
    float Clock = 43200;
    long Ticks = 1000;
    TwipSize Interior = DesignedLayout.DesignedInterior;
    std::vector<Resize> Resizes;
};

inline constexpr const char* SimUsage =
    "usage: bumblorbs-sim [--clock SECONDS] [--ticks N] [--interior WxH] [--resize T:WxH]...\n";

// Reads the simulator's command line (without the program's name); on a bad
// argument returns nothing and puts the reason in `problem`.
std::optional<SimArguments> ParseSimArguments(std::span<const std::string> args,
                                              std::string& problem);

}  // namespace bumblorbs
