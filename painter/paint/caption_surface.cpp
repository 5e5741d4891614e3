#include "painter/paint/caption_surface.h"

namespace bndx {

namespace {

std::optional<std::vector<RECT>> RectanglesOf(HRGN region) {
    const DWORD size = GetRegionData(region, 0, nullptr);
    if (size < sizeof(RGNDATAHEADER))
        return std::nullopt;
    std::vector<unsigned char> data(size);
    auto* got = reinterpret_cast<RGNDATA*>(data.data());
    if (GetRegionData(region, size, got) != size)
        return std::nullopt;
    const auto* rects = reinterpret_cast<const RECT*>(got->Buffer);
    return std::vector<RECT>(rects, rects + got->rdh.nCount);
}

} // namespace

CaptionSurface::CaptionSurface(HWND window, const CaptionRect& caption)
    : caption_(caption), drawn_(CreateRectRgn(caption.left, caption.top, caption.right, caption.bottom)) {
    if (!drawn_.Get())
        return;
    const HWND top = GetAncestor(window, GA_ROOT);
    if (!top || top == window) {
        dc_.Reset({window, GetWindowDC(window)});
        return;
    }
    RECT topBounds{}, bounds{};
    GetWindowRect(top, &topBounds);
    GetWindowRect(window, &bounds);
    origin_ = POINT{bounds.left - topBounds.left, bounds.top - topBounds.top};
    // The part of the child that shows (not covered by its siblings or cut by its parents), from
    // the screen's coordinates into the child's.
    {
        const WindowDc own(window);
        const UniqueRegion shows(CreateRectRgn(0, 0, 0, 0));
        if (own.Get() && shows.Get() && GetRandomRgn(own.Get(), shows.Get(), SYSRGN) == kRegionGiven) {
            OffsetRgn(shows.Get(), -bounds.left, -bounds.top);
            CombineRgn(drawn_.Get(), drawn_.Get(), shows.Get(), RGN_AND);
        }
    }
    dc_.Reset({top, GetDCEx(top, nullptr, DCX_WINDOW | DCX_CACHE)}); // children's areas not clipped away
}

void CaptionSurface::CopyFrom(HDC source, const CaptionButtonAreas& buttons) const {
    const UniqueRegion copied(CreateRectRgn(0, 0, 0, 0));
    if (!Get() || !drawn_.Get() || !copied.Get())
        return;
    CombineRgn(copied.Get(), drawn_.Get(), nullptr, RGN_COPY);
    ForEachButton(buttons, [&copied](const ButtonBox& box) {
        const UniqueRegion button(CreateRectRgn(box.x, box.y, box.x + box.width, box.y + box.height));
        if (button.Get())
            CombineRgn(copied.Get(), copied.Get(), button.Get(), RGN_DIFF);
    });
    const auto rects = RectanglesOf(copied.Get());
    if (!rects)
        return;
    for (const RECT& r : *rects)
        BitBlt(Get(), r.left + origin_.x, r.top + origin_.y, r.right - r.left, r.bottom - r.top, source, r.left, r.top,
               SRCCOPY);
}

bool CaptionSurface::ReadRows(HDC target, int32_t top, int32_t bottom) const {
    return Get() && BitBlt(target, caption_.left, top, caption_.right - caption_.left, bottom - top, Get(),
                           caption_.left + origin_.x, top + origin_.y, SRCCOPY);
}

POINT CaptionSurface::WindowOnScreen() const {
    POINT surfaceOrigin{};
    if (Get())
        GetDCOrgEx(Get(), &surfaceOrigin);
    return POINT{surfaceOrigin.x + origin_.x, surfaceOrigin.y + origin_.y};
}

std::optional<std::vector<RECT>> CaptionSurface::ShowingParts() const {
    const UniqueRegion showing(CreateRectRgn(0, 0, 0, 0));
    if (!Get() || !drawn_.Get() || !showing.Get() || GetRandomRgn(Get(), showing.Get(), SYSRGN) != kRegionGiven)
        return std::nullopt;
    const POINT window = WindowOnScreen();
    OffsetRgn(showing.Get(), -window.x, -window.y);
    CombineRgn(showing.Get(), showing.Get(), drawn_.Get(), RGN_AND);
    return RectanglesOf(showing.Get());
}

} // namespace bndx
