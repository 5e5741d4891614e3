#include "platform/dib/kept_surface.h"

#include <algorithm>

namespace bndx {

HDC KeptSurface::Get(int32_t width, int32_t height) {
    if (dc_ && width <= width_ && height <= height_)
        return dc_;
    // Grown in both directions at once, so that captions of different shapes settle on one size.
    const int32_t newWidth = std::max(width, width_);
    const int32_t newHeight = std::max(height, height_);
    Release();
    if (newWidth < 1 || newHeight < 1)
        return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = newWidth;
    info.bmiHeader.biHeight = -newHeight; // top-down: row y is at y
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dc_ || !bitmap_ || !bits) {
        Release();
        return nullptr;
    }
    previous_ = SelectObject(dc_, bitmap_);
    bits_ = static_cast<uint32_t*>(bits);
    width_ = newWidth;
    height_ = newHeight;
    return dc_;
}

void KeptSurface::Release() {
    if (previous_)
        SelectObject(dc_, previous_);
    if (bitmap_)
        DeleteObject(bitmap_);
    if (dc_)
        DeleteDC(dc_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    previous_ = nullptr;
    bits_ = nullptr;
    width_ = height_ = 0;
}

} // namespace bndx
