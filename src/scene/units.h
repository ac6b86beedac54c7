#pragma once

#include <cstdint>

namespace bumblorbs {

// Every length in the scene is in twips (1/1440 inch), held in single
// precision: the motion rules round every sum to single, so the type is part
// of the behaviour.
using Twips = float;
inline constexpr float TwipsPerInch = 1440.0F;

// 0x00BBGGRR: red in the lowest byte.
using Colour = std::uint32_t;

inline constexpr Colour MakeColour(int red, int green, int blue) {
    return static_cast<Colour>(red) + 256U * static_cast<Colour>(green) +
           65536U * static_cast<Colour>(blue);
}

inline constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFFU); }
inline constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8U) & 0xFFU); }
inline constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16U) & 0xFFU); }

struct TwipSize {
    Twips Width = 0;
    Twips Height = 0;
};

struct TwipRect {
    Twips Left = 0;
    Twips Top = 0;
    Twips Width = 0;
    Twips Height = 0;

    // Half-open, like a pixel grid: a point on the right or bottom edge is outside.
    bool Contains(Twips x, Twips y) const {
        return x >= Left && y >= Top && x < Left + Width && y < Top + Height;
    }
};

}  // namespace bumblorbs
