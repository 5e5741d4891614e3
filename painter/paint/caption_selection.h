// Which windows a repaint pass paints, and where in each window its caption lies.
#pragma once

#include "common/caption_geometry.h"
#include "painter/paint/desktop_view.h"
#include "painter/paint/left_alone_windows.h"
#include "painter/paint/painter_state.h"

#include <vector>

namespace bndx {

// Values of the WindowCoverage setting.
enum WindowCoverageMode : int32_t {
    kPaintAllWindows = 0,       // top-level windows and, below each one painted, its descendants
    kPaintMainWindows = 1,      // top-level windows only
    kPaintForegroundWindow = 2, // the foreground window only; also every unknown value
};

// One caption the selection chose, measured at dpi, the DPI of the window's monitor (never 0),
// from the window's styles, rectangle and title as read: everything its paint follows from. Or,
// with paint false, a window it looked at and does not paint (no caption, no title, a title bar of
// its own, excluded): nothing of ours may stay on it, as after a change that made it so; the rest
// is not filled in then.
struct SelectedCaption {
    WindowId window;
    CaptionRect caption;
    WindowStyles styles;
    uint32_t dpi;
    ScreenRect rect; // the window's outer rectangle on the screen
    WindowTitle title;
    bool paint = true;
};
using SelectedCaptions = std::vector<SelectedCaption>;

class CaptionSelection {
public:
    // windowCoverage, state and leaveAlone are read at each selection.
    CaptionSelection(const DesktopView& desktop, const int32_t& windowCoverage, const PainterState& state,
                     const LeaveAloneList& leaveAlone)
        : desktop_(desktop), windowCoverage_(windowCoverage), state_(state), leftAlone_(desktop, leaveAlone) {}

    // The captions of one repaint pass over the desktop according to the coverage mode, in the
    // order they are to be painted; into is emptied first.
    void SelectPass(SelectedCaptions& into) const;
    // One window's caption unless it is excluded, untitled or draws its own title bar; in mode 0
    // (and not on a scroll step) its descendants' after it. A window of a program left alone is
    // neither painted nor gone through. No caption test here: callers apply
    // it. into is emptied first.
    void SelectWindow(WindowId window, bool scrollStep, SelectedCaptions& into) const;

private:
    void AddIfCaptioned(WindowId window, SelectedCaptions& into) const;
    // As SelectWindow, with the style a caller has read already.
    void Add(WindowId window, uint32_t style, bool scrollStep, SelectedCaptions& into) const;
    bool DrawsOwnTitleBar(WindowId window, const ScreenRect& rect, const CaptionRect& caption) const;

    const DesktopView& desktop_;
    const int32_t& windowCoverage_;
    const PainterState& state_;
    // What it learns of each window's program is kept, whatever the selection asked for.
    mutable LeftAloneWindows leftAlone_;
};

} // namespace bndx
