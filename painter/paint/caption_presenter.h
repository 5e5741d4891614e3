// What puts a composed caption on the screen. The renderer composes a caption off-screen and
// knows nothing of where it goes; a presenter shows it, either by copying it into the window's
// own caption or in a window of its own laid over the caption.
#pragma once

#include "common/caption_geometry.h"
#include "painter/overlay/overlay_rules.h"
#include "painter/paint/watched_desktop.h"

#include <windows.h>

#include <cstdint>
#include <vector>

namespace bndx {

// One caption as the renderer composed it. Valid only during the Present call that receives it:
// the pixels belong to the renderer and are overwritten by the next composition.
struct ComposedCaption {
    // 32 bits a pixel, top-down, each 0x00RRGGBB (the top byte is undefined, not alpha), in the
    // whole-window coordinates of the painted window: pixel (x, y) is pixels[y * stride + x].
    // Only the pixels inside caption are defined.
    const uint32_t* pixels;
    int32_t stride; // pixels a row
    // The same pixels selected into a memory device context, for copies with GDI. Read only.
    HDC surface;
    // Where the caption lies, in whole-window coordinates (origin at the outer top-left corner).
    CaptionRect caption;
    // The caption buttons as the system draws them: their boxes must keep the system's look (and
    // its hover and press feedback), so what the composition holds there is never shown.
    CaptionButtonAreas buttons;
    // The window icon's box, where the window has one. The system's icon is not protected when
    // the caption itself is painted; a presenter over the caption leaves it uncovered.
    bool hasIcon;
    ButtonBox icon;
    // On a display of 256 colours, the background's palette, to be realised in the window's
    // surface for the copy; null otherwise.
    HPALETTE palette;
    // A step of the scrolling text: the next refresh period paints the caption whole, so nothing
    // of this paint need be kept to compare the screen with.
    bool scrollStep = false;
};

// What a refresh period saw of a window whose caption it looks at again.
struct CaptionSight {
    ScreenRect window; // where the window lies on the screen
    // The rectangles on the screen of the windows above it that overlap its caption, where the
    // screen shows them.
    std::vector<ScreenRect> covers;
    bool front = false; // the foreground window, looked at every period
};

// Contract: every call comes from the painter's main thread, one at a time, and none may throw.
// Present may be called for the same window many times a second (scroll steps up to a hundred a
// second); the engine calls it only for a caption whose composition changed or that no longer
// shows it.
class CaptionPresenter {
public:
    virtual ~CaptionPresenter() = default;
    // Shows the composition on the window's caption.
    virtual void Present(HWND window, const ComposedCaption& composed) = 0;
    // The window's caption is no longer painted (no background and no scroll on it, or the window
    // was excluded): it is to show the system's own caption again.
    virtual void Withdraw(HWND window) = 0;
    // Painting stops altogether, or every caption is handed back to the system at once (the
    // background "None" was chosen, the coverage changed, Close, the engine's end): nothing of
    // ours may stay on any caption. Present may follow again afterwards.
    virtual void WithdrawAll() = 0;
    // Whether the caption still shows what was last presented for it, as far as a quick look can
    // tell (false where it cannot tell): something else may have drawn over it since.
    virtual bool StillShows(HWND window, const CaptionSight& sight) = 0;
    // The passes no longer paint the window (it is gone, hidden, or out of the coverage): what
    // was kept for it may go. What it shows stays.
    virtual void Forget(HWND window) = 0;
    // The screen's size or depth changed.
    virtual void DisplayChanged() {}
    // Whether refresh periods run; while they do, each one says what it saw (DesktopSeen).
    virtual void PeriodsRun(bool) {}
    // A refresh period looked at the desktop. sight changes whenever the top-level windows'
    // order, the place, size or state of any of them or of a painted window, or the foreground
    // window changed; desktop holds what the period saw.
    virtual void DesktopSeen(const WatchedDesktop&, uint64_t) {}
};

} // namespace bndx
