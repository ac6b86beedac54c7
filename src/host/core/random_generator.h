#pragma once

#include <cstdint>

namespace bumblorbs {

// The program's random source. Seeding folds the seed into the current
// state instead of replacing it, so seeding twice with the same clock reading
// still gives fresh values.
class RandomGenerator {
public:
    void Seed(float seed);
    // 0 <= value < 1, exactly representable in single precision.
    float Next();

private:
    std::uint64_t state_ = 0x50000;
};

}  // namespace bumblorbs
