#include "host/win32/wave_file.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace bumblorbs {
namespace {

class LittleEndianWriter {
public:
    explicit LittleEndianWriter(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
    void Tag(std::string_view fourCharacters) {
        for (const char c : fourCharacters) {
            bytes_.push_back(static_cast<std::uint8_t>(c));
        }
    }
    void Word(std::uint32_t value, int size) {
        for (int byte = 0; byte < size; ++byte) {
            bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * byte)));
        }
    }

private:
    std::vector<std::uint8_t>& bytes_;
};

}  // namespace

std::vector<std::uint8_t> PcmWaveFile(std::span<const float> samples, int sampleRate) {
    constexpr std::uint32_t BytesPerSample = 2;
    const auto rate = static_cast<std::uint32_t>(sampleRate);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size()) * BytesPerSample;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(44 + dataBytes);
    LittleEndianWriter out(bytes);
    out.Tag("RIFF");
    out.Word(36 + dataBytes, 4);
    out.Tag("WAVE");
    out.Tag("fmt ");
    out.Word(16, 4);  // the PCM format's chunk
    out.Word(1, 2);   // PCM
    out.Word(1, 2);   // one channel
    out.Word(rate, 4);
    out.Word(rate * BytesPerSample, 4);
    out.Word(BytesPerSample, 2);
    out.Word(16, 2);
    out.Tag("data");
    out.Word(dataBytes, 4);
    for (const float sample : samples) {
        const long level = std::lround(std::clamp(sample, -1.0F, 1.0F) * 32767.0F);
        out.Word(static_cast<std::uint32_t>(level) & 0xFFFF, 2);
    }
    return bytes;
}

}  // namespace bumblorbs
