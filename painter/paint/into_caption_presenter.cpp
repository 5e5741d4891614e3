#include "painter/paint/into_caption_presenter.h"

#include "painter/paint/caption_surface.h"

#include <algorithm>
#include <cstddef>
#include <new>
#include <optional>

namespace bndx {

namespace {

// Rows across a sixth, a half and five sixths of the caption's height: whatever the system draws
// over a caption (its own caption again, a part of it uncovered, a window's corner) crosses one.
constexpr int32_t kStripRows = 3;

int32_t StripRow(const CaptionRect& caption, int32_t n) {
    return caption.top + (caption.bottom - caption.top) * (2 * n + 1) / (2 * kStripRows);
}

bool InButton(const CaptionButtonAreas& buttons, int32_t x, int32_t y) {
    bool inside = false;
    ForEachButton(buttons, [&](const ButtonBox& box) {
        inside = inside || (x >= box.x && x < box.x + box.width && y >= box.y && y < box.y + box.height);
    });
    return inside;
}

// Where the surface shows on the screen, in its logical coordinates (the window's): its visible
// region within its clipping, and the windows above that cover it. Under Wine a window's visible
// region leaves other programs' windows above it to the X server, so those come as covers.
class ShowingParts {
public:
    ShowingParts(HDC surface, const std::vector<ScreenRect>& covers) {
        POINT origin{}, viewport{};
        if (!GetDCOrgEx(surface, &origin) || !GetViewportOrgEx(surface, &viewport))
            return;
        const POINT toLogical{-origin.x - viewport.x, -origin.y - viewport.y}; // from the screen's coordinates
        for (const ScreenRect& cover : covers)
            covers_.push_back(RECT{cover.left + toLogical.x, cover.top + toLogical.y, cover.right + toLogical.x,
                                   cover.bottom + toLogical.y});
        const UniqueRegion showing(CreateRectRgn(0, 0, 0, 0));
        const UniqueRegion clip(CreateRectRgn(0, 0, 0, 0));
        if (!showing.Get() || !clip.Get() || GetRandomRgn(surface, showing.Get(), SYSRGN) != kRegionGiven)
            return;
        OffsetRgn(showing.Get(), -origin.x, -origin.y); // the device's coordinates
        if (GetClipRgn(surface, clip.Get()) == kRegionGiven)
            CombineRgn(showing.Get(), showing.Get(), clip.Get(), RGN_AND);
        OffsetRgn(showing.Get(), -viewport.x, -viewport.y);
        const DWORD size = GetRegionData(showing.Get(), 0, nullptr);
        if (size < sizeof(RGNDATAHEADER))
            return;
        std::vector<unsigned char> data(size);
        auto* region = reinterpret_cast<RGNDATA*>(data.data());
        if (GetRegionData(showing.Get(), size, region) != size)
            return;
        const auto* rects = reinterpret_cast<const RECT*>(region->Buffer);
        visible_.emplace(rects, rects + region->rdh.nCount);
    }

    bool Shows(int32_t x, int32_t y) const {
        const auto inside = [x, y](const RECT& r) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; };
        return (!visible_ || std::any_of(visible_->begin(), visible_->end(), inside)) &&
               std::none_of(covers_.begin(), covers_.end(), inside);
    }

private:
    std::optional<std::vector<RECT>> visible_; // none where the system tells no region
    std::vector<RECT> covers_;
};

} // namespace

void IntoCaptionPresenter::Present(HWND window, const ComposedCaption& composed) {
    const CaptionRect& caption = composed.caption;
    const CaptionSurface surface(window, caption);
    if (!surface.Get())
        return;
    ForEachButton(composed.buttons, [&](const ButtonBox& box) {
        ExcludeClipRect(surface.Get(), box.x, box.y, box.x + box.width, box.y + box.height);
    });
    HPALETTE previousPalette = nullptr;
    if (composed.palette) {
        previousPalette = SelectPalette(surface.Get(), composed.palette, TRUE);
        RealizePalette(surface.Get());
    }
    BitBlt(surface.Get(), 0, 0, caption.right, caption.bottom, composed.surface, 0, 0, SRCCOPY);
    if (composed.palette)
        SelectPalette(surface.Get(), previousPalette, FALSE);
    if (composed.scrollStep)
        Forget(window);
    else
        Keep(window, composed);
}

// On a palette display the read-back is in the palette's colours and never matches: nothing kept.
void IntoCaptionPresenter::Keep(HWND window, const ComposedCaption& composed) {
    if (in256ColourMode_) {
        Forget(window);
        return;
    }
    const CaptionRect& caption = composed.caption;
    const int32_t width = caption.right - caption.left;
    if (width < 1 || caption.bottom <= caption.top) {
        Forget(window);
        return;
    }
    try {
        Kept& kept = kept_[window];
        kept.caption = caption;
        kept.buttons = composed.buttons;
        kept.rows.resize(static_cast<size_t>(width) * kStripRows);
        for (int32_t n = 0; n < kStripRows; ++n) {
            const uint32_t* row =
                composed.pixels + static_cast<size_t>(StripRow(caption, n)) * static_cast<size_t>(composed.stride);
            std::copy(row + caption.left, row + caption.right, kept.rows.begin() + static_cast<ptrdiff_t>(n) * width);
        }
    } catch (const std::bad_alloc&) {
        Forget(window); // the next look paints it again
    }
}

// Whether the rows of the strip on the screen are, pixel for pixel, those copied: then the system
// has not drawn over the caption since. The caption buttons are never copied, so they are not
// compared, nor is what other windows cover: the screen shows them there, and a caption the
// system uncovers is looked at again as what lies above it changed.
bool IntoCaptionPresenter::StillShows(HWND window, const std::vector<ScreenRect>& covers) {
    const auto found = kept_.find(window);
    if (found == kept_.end())
        return false;
    const Kept& kept = found->second;
    const CaptionRect& caption = kept.caption;
    const int32_t width = caption.right - caption.left;
    const int32_t first = StripRow(caption, 0);
    const int32_t last = StripRow(caption, kStripRows - 1);
    const CaptionSurface surface(window, caption);
    HDC readBack = shown_.Get(caption.right, last + 1);
    if (!surface.Get() || !readBack ||
        !BitBlt(readBack, caption.left, first, width, last + 1 - first, surface.Get(), caption.left, first, SRCCOPY))
        return false;
    GdiFlush();
    const ShowingParts showing(surface.Get(), covers);
    constexpr uint32_t kColourBits = 0x00FFFFFF;
    for (int32_t n = 0; n < kStripRows; ++n) {
        const int32_t y = StripRow(caption, n);
        const uint32_t* ours = kept.rows.data() + static_cast<size_t>(n) * static_cast<size_t>(width);
        const uint32_t* shown = shown_.Row(y);
        for (int32_t x = caption.left; x < caption.right; ++x)
            if (((ours[x - caption.left] ^ shown[x]) & kColourBits) && !InButton(kept.buttons, x, y) &&
                showing.Shows(x, y))
                return false;
    }
    return true;
}

} // namespace bndx
