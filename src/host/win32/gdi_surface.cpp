#include "host/win32/gdi_surface.h"

#include <cstring>

#include "host/core/host_fault.h"

namespace bumblorbs {

GdiSurface::GdiSurface() : dc_(CreateCompatibleDC(nullptr)) {
    if (dc_ == nullptr) {
        throw HostFault("CreateCompatibleDC failed (error " + std::to_string(GetLastError()) + ")");
    }
}

GdiSurface::~GdiSurface() {
    if (bitmap_ != nullptr) {
        SelectObject(dc_, original_);
        DeleteObject(bitmap_);
    }
    DeleteDC(dc_);
}

bool GdiSurface::Resize(int width, int height) {
    if (width == width_ && height == height_ && bitmap_ != nullptr) {
        return true;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    // A negative height puts the first row at the top.
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) {
        return false;
    }
    HGDIOBJ previous = SelectObject(dc_, bitmap);
    if (bitmap_ != nullptr) {
        DeleteObject(bitmap_);
    } else {
        original_ = previous;
    }
    bitmap_ = bitmap;
    pixels_ = static_cast<std::uint32_t*>(bits);
    width_ = width;
    height_ = height;
    return true;
}

void GdiSurface::Clear() {
    GdiFlush();
    std::memset(pixels_, 0,
                static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) *
                    sizeof(std::uint32_t));
}

}  // namespace bumblorbs
