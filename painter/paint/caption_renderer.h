// Composes one window's caption off-screen — background, title or scrolling text, their boxes,
// the system's buttons put back — and copies it to the screen in one operation. Also draws the
// rows of the background list, each a caption-high preview of its background.
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

class CaptionRenderer : public CaptionDrawer {
public:
    explicit CaptionRenderer(RenderState state) : state_(state) {}

    void DrawCaption(WindowId window, const CaptionRect& caption, bool scrollStep) override;
    // False only when the scrolling text has run out on this caption.
    bool RenderCaption(HDC offscreen, HWND window, HDC windowSurface, const CaptionRect& caption, bool scrollStep);

private:
    bool DrawScrollText(HDC dc, const CaptionRect& caption, bool scrollStep);
    void DrawTitle(HDC dc, HWND window, const CaptionRect& caption);
    CaptionMetrics Metrics() const;
    std::optional<uint8_t> BackgroundColour() const;

    RenderState state_;
};

// The owner-drawn row of the background list; entry is none for the "None" row.
void DrawBackgroundItem(const DRAWITEMSTRUCT& item, CBackgroundEntry* entry, const char* label, BOOL in256ColourMode);

} // namespace bndx
