#include "host/core/ding.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace bumblorbs {

std::vector<float> SynthesiseDing(int sampleRate) {
    constexpr double Seconds = 0.22;
    constexpr double AttackSeconds = 0.004;
    constexpr double ReleaseSeconds = 0.03;
    constexpr double Level = 0.3;
    constexpr double Pitch = 1318.5;  // E6
    const auto count = static_cast<std::size_t>(Seconds * sampleRate);
    std::vector<float> samples(count);
    for (std::size_t n = 0; n < count; ++n) {
        const double t = static_cast<double>(n) / sampleRate;
        const double untilEnd = Seconds - t;
        // A quick linear attack and a short fade at the end keep both edges
        // at zero; the exponential decay in between gives the bell its shape.
        const double envelope =
            std::min({1.0, t / AttackSeconds, untilEnd / ReleaseSeconds}) * std::exp(-t * 14.0);
        const double tone =
            std::sin(2 * std::numbers::pi * Pitch * t) +
            0.35 * std::sin(2 * std::numbers::pi * Pitch * 2.76 * t) * std::exp(-t * 20.0);
        samples[n] = static_cast<float>(Level * envelope * tone / 1.35);
    }
    return samples;
}

}  // namespace bumblorbs
