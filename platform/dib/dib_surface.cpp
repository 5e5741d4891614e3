#include "platform/dib/dib_surface.h"

namespace bndx {

DibSurface::DibSurface(int32_t width, int32_t height) {
    if (width < 1 || height < 1)
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down: row y is at y
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dc_.Reset(CreateCompatibleDC(nullptr));
    bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (dc_ && bitmap_ && bits)
        selected_ = SelectInto(dc_.Get(), bitmap_.Get());
    if (!selected_) {
        *this = DibSurface();
        return;
    }
    bits_ = static_cast<uint32_t*>(bits);
    width_ = width;
    height_ = height;
}

DibSurface& DibSurface::operator=(DibSurface&& other) noexcept {
    // The selection goes first, as in the destructor, before the bitmap and DC it refers to.
    selected_ = std::move(other.selected_);
    bitmap_ = std::move(other.bitmap_);
    dc_ = std::move(other.dc_);
    bits_ = std::exchange(other.bits_, nullptr);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    return *this;
}

} // namespace bndx
