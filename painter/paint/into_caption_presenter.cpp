#include "painter/paint/into_caption_presenter.h"

#include "painter/paint/caption_surface.h"

namespace bndx {

void IntoCaptionPresenter::Present(HWND window, const ComposedCaption& composed) {
    const CaptionRect& caption = composed.caption;
    const CaptionSurface surface(window, caption);
    if (!surface.Get())
        return;
    ForEachButton(composed.buttons, [&](const ButtonBox& box) {
        ExcludeClipRect(surface.Get(), box.x, box.y, box.x + box.width, box.y + box.height);
    });
    // On a palette display the read-back is in the palette's colours and never matches.
    if (!in256ColourMode_ && AlreadyShown(surface.Get(), composed))
        return;
    HPALETTE previousPalette = nullptr;
    if (composed.palette) {
        previousPalette = SelectPalette(surface.Get(), composed.palette, TRUE);
        RealizePalette(surface.Get());
    }
    BitBlt(surface.Get(), 0, 0, caption.right, caption.bottom, composed.surface, 0, 0, SRCCOPY);
    if (composed.palette)
        SelectPalette(surface.Get(), previousPalette, FALSE);
}

// Whether the caption on the screen is, pixel for pixel, the one just composed: then the system
// has not drawn over it since it was last painted, and copying it again would change nothing.
// Whatever the system or another program drew there, or any change of title, settings or
// background, shows up as a difference. The caption buttons are never copied, so they are not
// compared. Only the window's visible part can be read back; leftovers elsewhere in the
// read-back surface never show, so they cannot hide a difference anyone would see.
bool IntoCaptionPresenter::AlreadyShown(HDC windowSurface, const ComposedCaption& composed) {
    const CaptionRect& caption = composed.caption;
    const int32_t width = caption.right - caption.left;
    const int32_t height = caption.bottom - caption.top;
    HDC readBack = shown_.Get(caption.right, caption.bottom);
    if (width < 1 || height < 1 || !readBack)
        return false;
    if (!BitBlt(readBack, caption.left, caption.top, width, height, windowSurface, caption.left, caption.top, SRCCOPY))
        return false;
    ForEachButton(composed.buttons, [&](const ButtonBox& box) {
        BitBlt(readBack, box.x, box.y, box.width, box.height, composed.surface, box.x, box.y, SRCCOPY);
    });
    GdiFlush();
    constexpr uint32_t kColourBits = 0x00FFFFFF;
    for (int32_t y = caption.top; y < caption.bottom; ++y) {
        const uint32_t* ours = composed.pixels + static_cast<size_t>(y) * static_cast<size_t>(composed.stride);
        const uint32_t* shown = shown_.Row(y);
        uint32_t differences = 0;
        for (int32_t x = caption.left; x < caption.right; ++x)
            differences |= (ours[x] ^ shown[x]) & kColourBits;
        if (differences)
            return false;
    }
    return true;
}

} // namespace bndx
