// An off-screen 32-bit surface kept from paint to paint, grown to the largest caption it served.
#pragma once

#include "platform/dib/dib_surface.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace bndx {

class KeptSurface {
public:
    // The surface, at least width x height pixels; null when it cannot be made.
    HDC Get(int32_t width, int32_t height);
    // Pixel rows top-down, 0x00RRGGBB with an undefined top byte; valid after Get and GdiFlush.
    const uint32_t* Pixels() const { return surface_.Pixels(); }
    int32_t Stride() const { return surface_.Width(); }
    const uint32_t* Row(int32_t y) const { return RowAt(y); }
    uint32_t* Row(int32_t y) { return RowAt(y); }
    void Release() { surface_ = DibSurface(); }

private:
    uint32_t* RowAt(int32_t y) const {
        return surface_.Pixels() + static_cast<size_t>(y) * static_cast<size_t>(surface_.Width());
    }

    DibSurface surface_;
};

} // namespace bndx
