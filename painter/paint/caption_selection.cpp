#include "painter/paint/caption_selection.h"

namespace bndx {

namespace {

// Titles are read as into a 64-byte buffer: what a longer title shows of itself.
constexpr size_t kTitleLength = 63;
// The shell's own bar of minimised windows, which keeps its own look.
constexpr char kIconBarTitle[] = "Icon Bar";

} // namespace

void CaptionSelection::RefreshCaptions() {
    struct Pass {
        explicit Pass(CaptionDrawer& drawer) : drawer(drawer) { drawer.BeginPass(); }
        ~Pass() { drawer.EndPass(); }
        CaptionDrawer& drawer;
    } pass(drawer_);
    const int32_t mode = inputs_.windowCoverage;
    if (mode == kPaintAllWindows || mode == kPaintMainWindows) {
        desktop_.ForEachTopLevel([this](WindowId window) { PaintIfCaptioned(window); });
        return;
    }
    const WindowId foreground = desktop_.ForegroundWindow();
    if (foreground)
        PaintIfCaptioned(foreground);
}

void CaptionSelection::PaintIfCaptioned(WindowId window) {
    const uint32_t style = desktop_.Style(window);
    if (PassesCaptionTest(style))
        PaintCaption(window, style, false);
}

void CaptionSelection::PaintCaption(WindowId window, bool scrollStep) {
    if (window)
        PaintCaption(window, desktop_.Style(window), scrollStep);
}

void CaptionSelection::PaintCaption(WindowId window, uint32_t style, bool scrollStep) {
    if (window == inputs_.excludedWindow)
        return;
    const std::string title = desktop_.Title(window, kTitleLength);
    if (title.empty() || title == kIconBarTitle)
        return;
    const uint32_t dpi = inputs_.metrics.DpiOf(desktop_.Dpi(window));
    const WindowStyles styles{style, desktop_.ExStyle(window)};
    const CaptionRect caption = CaptionRectOf(window, styles, dpi);
    if (!DrawsOwnTitleBar(window, caption))
        drawer_.DrawCaption(window, caption, styles, dpi, scrollStep);
    if (inputs_.windowCoverage == kPaintAllWindows && !scrollStep)
        desktop_.ForEachDescendant(window, [this](WindowId child) { PaintIfCaptioned(child); });
}

// A window whose client area reaches up over its caption draws its title bar itself (browsers
// that put their tabs there): our picture would cover what it draws. Its descendants are still
// windows with captions of their own. An ordinary client area begins a whole caption below the
// frame, one over the caption at most a frame's width from the top; the line lies halfway, as the
// metrics need not be exactly the window's own (a frame of its own size, a scaled caption height).
bool CaptionSelection::DrawsOwnTitleBar(WindowId window, const CaptionRect& caption) const {
    return desktop_.ClientTop(window) < (caption.top + caption.bottom) / 2;
}

bool CaptionSelection::GetCaptionRect(WindowId window, uint32_t dpi, CaptionRect& caption) const {
    if (!window)
        return false;
    caption = CaptionRectOf(window, {desktop_.Style(window), desktop_.ExStyle(window)}, dpi);
    return true;
}

CaptionRect CaptionSelection::CaptionRectOf(WindowId window, const WindowStyles& styles, uint32_t dpi) const {
    return ComputeCaptionRect(desktop_.OuterWidth(window), styles.style, styles.exStyle, inputs_.metrics.At(dpi));
}

} // namespace bndx
