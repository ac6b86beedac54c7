#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace bumblorbs {

// Mono samples in [-1, 1] as a whole 16-bit PCM WAVE file in memory, the
// form Windows plays a sound from without a file on disk.
std::vector<std::uint8_t> PcmWaveFile(std::span<const float> samples, int sampleRate);

}  // namespace bumblorbs
