#pragma once

#include <array>
#include <cstdint>

namespace bumblorbs {

// Packs the scene's 0x??RRGGBB pixels into the pixels of a TrueColor visual
// of any depth, from the visual's red, green and blue masks: each 8-bit
// component is scaled to its mask's width, to the nearest step, so black
// stays black and white white, and shifted into place. The bits of the
// depth that no mask holds are alpha, as in a compositor's 32-bit ARGB
// visual, and are all set: every pixel is opaque. The masks are read once;
// a pixel is then three lookups.
class PixelPacking {
public:
    PixelPacking(unsigned long redMask, unsigned long greenMask, unsigned long blueMask, int depth);

    unsigned long Pack(std::uint32_t rgb) const {
        return red_[(rgb >> 16) & 0xFF] | green_[(rgb >> 8) & 0xFF] | blue_[rgb & 0xFF] | opaque_;
    }

private:
    // A component's 256 values, scaled and shifted under its mask.
    using Component = std::array<unsigned long, 256>;
    static Component UnderMask(unsigned long mask);

    Component red_;
    Component green_;
    Component blue_;
    unsigned long opaque_;
};

}  // namespace bumblorbs
