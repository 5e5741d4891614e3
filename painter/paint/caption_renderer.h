// Composes one window's caption off-screen: the background, then the title or the scrolling
// text, each on its box. Where the composition goes is a presenter's matter; what follows from
// the scrolling text is the scheduler's. Also draws the rows of the background list, each a
// caption-high preview of its background.
#pragma once

#include "painter/paint/caption_presenter.h"
#include "painter/paint/paint_scheduler.h"
#include "painter/paint/painter_state.h"
#include "platform/dib/kept_surface.h"
#include "painter/settings/painter_settings.h"
#include "painter/sources/backgrounds.h"

#include <windows.h>

#include <optional>

namespace bndx {

// What the renderer reads, at each composition.
struct RenderState {
    const PaintScheduler& scheduler;
    const PainterSettings& settings;
    const PainterState& painter;
};

// What composing one caption gave.
struct Composition {
    enum class Outcome {
        kLeaveAsIs,  // nothing new to show: the caption keeps what it shows
        kSystemsOwn, // nothing of ours belongs on this caption: it stays as the system draws it
        kComposed,   // composed holds the caption to show
    };
    Outcome outcome;
    // Set when the scrolling text was placed (or found to have run out), for the scheduler.
    std::optional<ScrollPlacement> scroll;
    ComposedCaption composed;
};

class CaptionRenderer {
public:
    explicit CaptionRenderer(RenderState state) : state_(state) {}

    // A repaint pass begins and ends; between the two the foreground window is taken as given.
    void BeginPass(HWND foreground);
    void EndPass();
    // The composition stays valid until the next call. dpi: that of the window's monitor, which
    // the caption was measured at and the text is drawn at; title: the window's, as read.
    Composition Compose(HWND window, const CaptionRect& caption, const WindowStyles& styles, uint32_t dpi,
                        const WindowTitle& title, bool scrollStep);
    // Whether the window icon will show through the composition (over the caption it does): then
    // a title on the left starts clear of the icon.
    void KeepIconClear(bool keep) { keepIconClear_ = keep; }

private:
    ScrollPlacement DrawScrollText(HDC dc, const CaptionRect& caption, HFONT font);
    void DrawTitle(HDC dc, const WindowTitle& title, const CaptionRect& caption, HFONT font, bool clearOfIcon);
    HWND Foreground() const;
    std::optional<uint8_t> BackgroundColour() const;

    RenderState state_;
    KeptSurface composition_;
    bool keepIconClear_ = false;
    bool inPass_ = false;
    HWND passForeground_ = nullptr;
};

// The owner-drawn row of the background list; entry is none for the "None" row.
void DrawBackgroundItem(const DRAWITEMSTRUCT& item, CBackgroundEntry* entry, const char* label, bool in256ColourMode);

} // namespace bndx
