// An off-screen 32-bit surface kept from paint to paint, grown to the largest caption it served.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace bndx {

class KeptSurface {
public:
    KeptSurface() = default;
    ~KeptSurface() { Release(); }
    KeptSurface(const KeptSurface&) = delete;
    KeptSurface& operator=(const KeptSurface&) = delete;

    // The surface, at least width x height pixels; null when it cannot be made.
    HDC Get(int32_t width, int32_t height);
    // Pixel rows top-down, 0x00RRGGBB with an undefined top byte; valid after Get and GdiFlush.
    const uint32_t* Pixels() const { return bits_; }
    int32_t Stride() const { return width_; }
    const uint32_t* Row(int32_t y) const { return bits_ + static_cast<size_t>(y) * static_cast<size_t>(width_); }
    uint32_t* Row(int32_t y) { return bits_ + static_cast<size_t>(y) * static_cast<size_t>(width_); }
    void Release();

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    uint32_t* bits_ = nullptr;
    int32_t width_ = 0;
    int32_t height_ = 0;
};

} // namespace bndx
