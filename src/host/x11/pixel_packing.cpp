#include "host/x11/pixel_packing.h"

#include <cstdint>

namespace bumblorbs {

namespace {

unsigned long DepthBits(int depth) {
    constexpr int LongBits = 8 * sizeof(unsigned long);
    return depth >= LongBits ? ~0UL : (1UL << static_cast<unsigned>(depth)) - 1;
}

}  // namespace

PixelPacking::PixelPacking(unsigned long redMask, unsigned long greenMask, unsigned long blueMask,
                           int depth)
    : red_(UnderMask(redMask)),
      green_(UnderMask(greenMask)),
      blue_(UnderMask(blueMask)),
      opaque_(DepthBits(depth) & ~(redMask | greenMask | blueMask)) {}

PixelPacking::Component PixelPacking::UnderMask(unsigned long mask) {
    // A TrueColor mask is one run of set bits.
    unsigned shift = 0;
    while (mask != 0 && (mask >> shift & 1U) == 0) {
        ++shift;
    }
    const std::uint64_t top = mask >> shift;
    Component values{};
    for (std::uint64_t value = 0; value < values.size(); ++value) {
        values[value] = static_cast<unsigned long>((value * top + 127) / 255 << shift);
    }
    return values;
}

}  // namespace bumblorbs
