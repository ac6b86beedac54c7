#pragma once

#include <vector>

namespace bumblorbs {

// The alert sound: a soft bell-like "ding" a little under a quarter of a
// second long, mono, in [-1, 1], that starts and ends at silence so it never
// clicks.
std::vector<float> SynthesiseDing(int sampleRate);

}  // namespace bumblorbs
