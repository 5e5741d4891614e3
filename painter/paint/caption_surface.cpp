#include "painter/paint/caption_surface.h"

#include "platform/framework/scoped_gdi.h"

namespace bndx {

namespace {

constexpr int kRegionFound = 1; // what GetRandomRgn returns when it gave a region

HRGN Region(const GdiObject& region) {
    return static_cast<HRGN>(region.Get());
}

} // namespace

CaptionSurface::CaptionSurface(HWND window, const CaptionRect& caption) {
    const GdiObject clip(CreateRectRgn(caption.left, caption.top, caption.right, caption.bottom));
    const HWND top = GetAncestor(window, GA_ROOT);
    if (!top || top == window) {
        owner_ = window;
        dc_ = GetWindowDC(window);
        if (dc_)
            SelectClipRgn(dc_, Region(clip));
        return;
    }
    RECT topBounds{}, bounds{};
    GetWindowRect(top, &topBounds);
    GetWindowRect(window, &bounds);
    const POINT origin{bounds.left - topBounds.left, bounds.top - topBounds.top};
    OffsetRgn(Region(clip), origin.x, origin.y);
    // The part of the child that shows (not covered by its siblings or cut by its parents), in
    // screen coordinates; in the top-level window's from there.
    if (HDC own = GetWindowDC(window)) {
        const GdiObject shows(CreateRectRgn(0, 0, 0, 0));
        if (GetRandomRgn(own, Region(shows), SYSRGN) == kRegionFound) {
            OffsetRgn(Region(shows), -topBounds.left, -topBounds.top);
            CombineRgn(Region(clip), Region(clip), Region(shows), RGN_AND);
        }
        ReleaseDC(window, own);
    }
    owner_ = top;
    dc_ = GetDCEx(top, nullptr, DCX_WINDOW | DCX_CACHE); // children's areas not clipped away
    if (!dc_)
        return;
    SetViewportOrgEx(dc_, origin.x, origin.y, nullptr);
    SelectClipRgn(dc_, Region(clip)); // in device coordinates: the top-level window's
}

CaptionSurface::~CaptionSurface() {
    if (!dc_)
        return;
    SetViewportOrgEx(dc_, 0, 0, nullptr);
    SelectClipRgn(dc_, nullptr);
    ReleaseDC(owner_, dc_);
}

} // namespace bndx
