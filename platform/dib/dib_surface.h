// A 32-bit top-down DIB section selected into a memory DC of its own: the off-screen surface the
// kept surface and the strip cache draw into. It owns the DC, the bitmap and the selection.
#pragma once

#include "platform/framework/scoped_gdi.h"

#include <windows.h>

#include <cstdint>
#include <utility>

namespace bndx {

class DibSurface {
public:
    DibSurface() = default;
    // width x height pixels; holds nothing when they cannot be had.
    DibSurface(int32_t width, int32_t height);
    DibSurface(DibSurface&& other) noexcept { *this = std::move(other); }
    DibSurface& operator=(DibSurface&& other) noexcept;

    explicit operator bool() const { return bits_ != nullptr; }
    HDC Dc() const { return dc_.Get(); }
    // Pixel rows top-down, 0x00RRGGBB with an undefined top byte; valid after GdiFlush.
    uint32_t* Pixels() const { return bits_; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }

private:
    // In this order, so that the selection ends before the bitmap goes, and the bitmap before
    // the DC.
    UniqueDc dc_;
    UniqueBitmap bitmap_;
    UniqueSelection selected_;
    uint32_t* bits_ = nullptr;
    int32_t width_ = 0;
    int32_t height_ = 0;
};

} // namespace bndx
