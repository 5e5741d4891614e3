#include "painter/paint/caption_surface.h"

namespace bndx {

CaptionSurface::CaptionSurface(HWND window, const CaptionRect& caption) {
    const UniqueRegion clip(CreateRectRgn(caption.left, caption.top, caption.right, caption.bottom));
    const HWND top = GetAncestor(window, GA_ROOT);
    if (!top || top == window) {
        dc_.Reset({window, GetWindowDC(window)});
        if (Get())
            SelectClipRgn(Get(), clip.Get());
        return;
    }
    RECT topBounds{}, bounds{};
    GetWindowRect(top, &topBounds);
    GetWindowRect(window, &bounds);
    const POINT origin{bounds.left - topBounds.left, bounds.top - topBounds.top};
    OffsetRgn(clip.Get(), origin.x, origin.y);
    // The part of the child that shows (not covered by its siblings or cut by its parents), in
    // screen coordinates; in the top-level window's from there.
    {
        const WindowDc own(window);
        const UniqueRegion shows(CreateRectRgn(0, 0, 0, 0));
        if (own.Get() && GetRandomRgn(own.Get(), shows.Get(), SYSRGN) == kRegionGiven) {
            OffsetRgn(shows.Get(), -topBounds.left, -topBounds.top);
            CombineRgn(clip.Get(), clip.Get(), shows.Get(), RGN_AND);
        }
    }
    dc_.Reset({top, GetDCEx(top, nullptr, DCX_WINDOW | DCX_CACHE)}); // children's areas not clipped away
    if (!Get())
        return;
    SetViewportOrgEx(Get(), origin.x, origin.y, nullptr);
    SelectClipRgn(Get(), clip.Get()); // in device coordinates: the top-level window's
}

// A surface from the cache goes back as it came.
CaptionSurface::~CaptionSurface() {
    if (!Get())
        return;
    SetViewportOrgEx(Get(), 0, 0, nullptr);
    SelectClipRgn(Get(), nullptr);
}

} // namespace bndx
