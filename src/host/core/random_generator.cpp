#include "host/core/random_generator.h"

#include <bit>

namespace bumblorbs {
namespace {

constexpr std::uint64_t GoldenGamma = 0x9E3779B97F4A7C15ULL;

// SplitMix64's finaliser: every input bit affects every output bit.
std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31U);
}

}  // namespace

void RandomGenerator::Seed(float seed) {
    const auto bits = static_cast<std::uint64_t>(std::bit_cast<std::uint32_t>(seed));
    state_ = Mix(state_ ^ ((bits + 1) * GoldenGamma));
}

float RandomGenerator::Next() {
    state_ += GoldenGamma;
    // The top 24 bits fill a float's mantissa exactly, so the largest value
    // is 1 - 2^-24 and nothing rounds up to 1.
    const std::uint64_t top = Mix(state_) >> 40U;
    return static_cast<float>(top) * 0x1.0p-24F;
}

}  // namespace bumblorbs
