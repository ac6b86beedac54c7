#pragma once

#include <windows.h>

#include <cstdint>

namespace bumblorbs {

// Pixels that GDI can draw into and copy from: a memory DC holding a DIB
// section of 0x00RRGGBB words, rows from the top down with nothing between
// them.
class GdiSurface {
public:
    // Throws HostFault where GDI has no memory DC to give.
    GdiSurface();
    ~GdiSurface();
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    HDC Dc() const { return dc_; }
    // Makes the pixels `width` x `height`, keeping them where the size is
    // the same; says false where GDI could not make them.
    bool Resize(int width, int height);
    // All pixels black.
    void Clear();

    std::uint32_t* Pixels() const { return pixels_; }
    std::uint32_t* Row(int y) const {
        return pixels_ + static_cast<std::ptrdiff_t>(y) * static_cast<std::ptrdiff_t>(width_);
    }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ original_ = nullptr;
    std::uint32_t* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace bumblorbs
