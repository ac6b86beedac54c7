#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace bumblorbs {

// A picture of 0xAARRGGBB pixels held elsewhere: `Width` x `Height` pixels,
// rows `Stride` pixels apart.
struct ArgbImage {
    const std::uint32_t* Pixels = nullptr;
    int Stride = 0;
    int Width = 0;
    int Height = 0;

    explicit operator bool() const { return Pixels != nullptr; }
    std::uint32_t At(int x, int y) const { return Row(y)[x]; }
    const std::uint32_t* Row(int y) const {
        return Pixels + static_cast<std::ptrdiff_t>(y) * static_cast<std::ptrdiff_t>(Stride);
    }
};

// A picture of 0xAARRGGBB pixels of its own, row after row.
struct ArgbPicture {
    std::vector<std::uint32_t> Pixels;
    int Width = 0;
    int Height = 0;

    ArgbImage View() const { return {Pixels.data(), Width, Width, Height}; }
};

}  // namespace bumblorbs
