// Which windows a repaint pass paints, and where in each window its caption lies.
#pragma once

#include "common/caption_geometry.h"
#include "painter/paint/caption_metrics_by_dpi.h"
#include "painter/paint/desktop_view.h"

namespace bndx {

// Values of the WindowCoverage setting.
enum WindowCoverageMode : int32_t {
    kPaintAllWindows = 0,       // top-level windows and, below each one painted, its descendants
    kPaintMainWindows = 1,      // top-level windows only
    kPaintForegroundWindow = 2, // the foreground window only; also every unknown value
};

// Receives each caption a pass decides to paint.
class CaptionDrawer {
public:
    virtual ~CaptionDrawer() = default;
    // A repaint pass begins and ends. Between the two the drawer may take what a pass treats as
    // fixed (the foreground window) as read once.
    virtual void BeginPass() {}
    virtual void EndPass() {}
    // The caption is measured at dpi, the DPI of the window's monitor (never 0), from the window's
    // styles as given.
    virtual void DrawCaption(WindowId window, const CaptionRect& caption, const WindowStyles& styles, uint32_t dpi,
                             bool scrollStep) = 0;
};

// What selection reads of the painter's state, at the moment of each pass.
struct SelectionInputs {
    const int32_t& windowCoverage;
    const WindowId& excludedWindow;
    const CaptionMetricsByDpi& metrics;
};

class CaptionSelection {
public:
    CaptionSelection(const DesktopView& desktop, CaptionDrawer& drawer, SelectionInputs inputs)
        : desktop_(desktop), drawer_(drawer), inputs_(inputs) {}

    // One repaint pass over the desktop according to the coverage mode.
    void RefreshCaptions();
    // Paints one window's caption unless it is excluded, untitled or draws its own title bar; in
    // mode 0 (and not on a scroll step) goes on to its descendants. No caption test here:
    // callers apply it.
    void PaintCaption(WindowId window, bool scrollStep);
    // Measured at dpi (see CaptionMetricsByDpi::DpiOf); false only for no window.
    bool GetCaptionRect(WindowId window, uint32_t dpi, CaptionRect& caption) const;

private:
    void PaintIfCaptioned(WindowId window);
    // As PaintCaption, with the style a caller has read already.
    void PaintCaption(WindowId window, uint32_t style, bool scrollStep);
    CaptionRect CaptionRectOf(WindowId window, const WindowStyles& styles, uint32_t dpi) const;
    bool DrawsOwnTitleBar(WindowId window, const CaptionRect& caption) const;

    const DesktopView& desktop_;
    CaptionDrawer& drawer_;
    SelectionInputs inputs_;
};

} // namespace bndx
