#pragma once

#include <cstddef>
#include <cstdint>

#include "host/core/pixel_rect.h"

namespace bumblorbs {

// How a picture stores its pixels. The 32-bit ones are words of
// 0x??RRGGBB; they differ only in what their top byte holds for an opaque
// colour.
enum class PixelFormat {
    Xrgb8888,  // top byte unused: the X11 tiles, Wayland buffers, SDL's window surfaces
    Argb8888,  // top byte alpha: the pictures an SDL texture is updated from
    Rgb565,    // 16 bits: 5 red, 6 green, 5 blue
};

// Pixels held elsewhere, as the painter draws into them.
struct PixelView {
    void* Pixels = nullptr;
    int Pitch = 0;  // bytes from one row to the next
    int Width = 0;
    int Height = 0;
    PixelFormat Format = PixelFormat::Xrgb8888;

    bool HasWordPixels() const { return Format != PixelFormat::Rgb565; }
    PixelRect Bounds() const { return {0, 0, Width, Height}; }

    // Row `y`, where the pixels are words, or 16 bits.
    std::uint32_t* WordRow(int y) const { return static_cast<std::uint32_t*>(RowStart(y)); }
    std::uint16_t* ShortRow(int y) const { return static_cast<std::uint16_t*>(RowStart(y)); }

private:
    void* RowStart(int y) const {
        return static_cast<std::uint8_t*>(Pixels) + static_cast<std::ptrdiff_t>(y) * Pitch;
    }
};

// The size of one of the 32-bit pixels the scene is painted in.
inline constexpr int BytesPerPixel = 4;

// `width` x `height` 0x00RRGGBB pixels, row after row with nothing between.
inline PixelView PackedWords(std::uint32_t* pixels, int width, int height) {
    return {pixels, width * BytesPerPixel, width, height, PixelFormat::Xrgb8888};
}

}  // namespace bumblorbs
