// Composes one window's caption off-screen — background, title or scrolling text, their boxes,
// the system's buttons put back — and copies it to the screen in one operation, unless the screen
// already shows exactly that. Also draws the rows of the background list, each a caption-high
// preview of its background.
#pragma once

#include "painter/paint/caption_selection.h"
#include "painter/paint/paint_scheduler.h"
#include "painter/settings/painter_settings.h"
#include "painter/sources/backgrounds.h"

#include <windows.h>

namespace bndx {

// Left end of the scrolling text, in the whole-window coordinates of whichever window is
// painted: one value for the program, so the text goes on where it was on a new front window.
extern int32_t ScrollPosition;

// The painter's state the renderer reads, and the scheduler whose scroll state it advances.
struct RenderState {
    PaintScheduler& scheduler;
    const PainterSettings& settings;
    CBackgroundEntry* const& currentBackground;
    const BOOL& in256ColourMode;
    const NONCLIENTMETRICSA& metrics;
};

// An off-screen 32-bit surface kept from paint to paint, grown to the largest caption it served.
class KeptSurface {
public:
    KeptSurface() = default;
    ~KeptSurface() { Release(); }
    KeptSurface(const KeptSurface&) = delete;
    KeptSurface& operator=(const KeptSurface&) = delete;

    // The surface, at least width x height pixels; null when it cannot be made.
    HDC Get(int32_t width, int32_t height);
    // Pixel row y, 0x00RRGGBB with an undefined top byte; valid after Get and GdiFlush.
    const uint32_t* Row(int32_t y) const { return bits_ + static_cast<size_t>(y) * static_cast<size_t>(width_); }
    void Release();

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    uint32_t* bits_ = nullptr;
    int32_t width_ = 0;
    int32_t height_ = 0;
};

class CaptionRenderer : public CaptionDrawer {
public:
    explicit CaptionRenderer(RenderState state) : state_(state) {}

    void BeginPass() override;
    void EndPass() override;
    void DrawCaption(WindowId window, const CaptionRect& caption, bool scrollStep) override;
    // Composes the caption in offscreen and copies it to windowSurface. False only when the
    // scrolling text has run out on this caption.
    bool RenderCaption(HDC offscreen, HWND window, HDC windowSurface, const CaptionRect& caption, bool scrollStep);

private:
    enum class Composed { kNothing, kCaption, kTextRanOut };

    void DrawWith(HDC offscreen, HWND window, HDC windowSurface, const CaptionRect& caption, bool scrollStep,
                  bool keptSurface);
    Composed Compose(HDC offscreen, HWND window, HDC windowSurface, const CaptionRect& caption, bool scrollStep);
    void CopyOut(HDC offscreen, HDC windowSurface, const CaptionRect& caption) const;
    bool AlreadyShown(HDC windowSurface, const CaptionRect& caption);
    bool DrawScrollText(HDC dc, const CaptionRect& caption, bool scrollStep);
    void DrawTitle(HDC dc, HWND window, const CaptionRect& caption);
    HWND Foreground() const;
    CaptionMetrics Metrics() const;
    std::optional<uint8_t> BackgroundColour() const;

    RenderState state_;
    // The composition and what the window showed, kept for true-colour screens, where a caption
    // that already shows what was composed is not copied again.
    KeptSurface composition_;
    KeptSurface shown_;
    bool inPass_ = false;
    HWND passForeground_ = nullptr;
};

// The owner-drawn row of the background list; entry is none for the "None" row.
void DrawBackgroundItem(const DRAWITEMSTRUCT& item, CBackgroundEntry* entry, const char* label, BOOL in256ColourMode);

} // namespace bndx
