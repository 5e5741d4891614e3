#include "platform/dib/kept_surface.h"

#include <algorithm>

namespace bndx {

HDC KeptSurface::Get(int32_t width, int32_t height) {
    if (surface_ && width <= surface_.Width() && height <= surface_.Height())
        return surface_.Dc();
    // Grown in both directions at once, so that captions of different shapes settle on one size.
    const int32_t newWidth = std::max(width, surface_.Width());
    const int32_t newHeight = std::max(height, surface_.Height());
    // The old surface goes before the new one is made, so the two are never held at once.
    Release();
    surface_ = DibSurface(newWidth, newHeight);
    return surface_.Dc();
}

} // namespace bndx
