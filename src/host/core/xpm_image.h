#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace bumblorbs {

// A decoded image: rows of 0xAARRGGBB pixels, top to bottom.
struct ArgbImage {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;
};

// Decodes an XPM image given as its array of strings, as an .xpm file
// included into the source provides it. Understands "c #RRGGBB" and "c None"
// colours, which is what the program's own icons use; anything else raises
// std::invalid_argument.
ArgbImage DecodeXpm(std::span<const char* const> lines);

}  // namespace bumblorbs
