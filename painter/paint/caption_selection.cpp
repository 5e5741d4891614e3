#include "painter/paint/caption_selection.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace bndx {

namespace {

// The shell's own bar of minimised windows, which keeps its own look.
constexpr char kIconBarTitle[] = "Icon Bar";

bool IsIconBar(const WindowTitle& title) {
    return std::equal(title.begin(), title.end(), std::begin(kIconBarTitle), std::end(kIconBarTitle) - 1,
                      [](wchar_t a, char b) { return a == static_cast<wchar_t>(b); });
}

SelectedCaption Left(WindowId window) {
    SelectedCaption left{};
    left.window = window;
    left.paint = false;
    return left;
}

} // namespace

void CaptionSelection::SelectPass(SelectedCaptions& into) const {
    into.clear();
    const int32_t mode = windowCoverage_;
    if (mode == kPaintAllWindows || mode == kPaintMainWindows) {
        desktop_.ForEachTopLevel([this, &into](WindowId window) { AddIfCaptioned(window, into); });
        return;
    }
    const WindowId foreground = desktop_.ForegroundWindow();
    if (foreground)
        AddIfCaptioned(foreground, into);
}

void CaptionSelection::AddIfCaptioned(WindowId window, SelectedCaptions& into) const {
    const uint32_t style = desktop_.Style(window);
    if (PassesCaptionTest(style))
        Add(window, style, false, into);
    else
        into.push_back(Left(window));
}

void CaptionSelection::SelectWindow(WindowId window, bool scrollStep, SelectedCaptions& into) const {
    into.clear();
    if (window)
        Add(window, desktop_.Style(window), scrollStep, into);
}

void CaptionSelection::Add(WindowId window, uint32_t style, bool scrollStep, SelectedCaptions& into) const {
    if (window == state_.excludedWindow) {
        into.push_back(Left(window));
        return;
    }
    WindowTitle title = desktop_.Title(window);
    if (title.empty() || IsIconBar(title) || leftAlone_.IsLeftAlone(window)) {
        into.push_back(Left(window));
        return;
    }
    const uint32_t dpi = state_.metricsByDpi.DpiOf(desktop_.Dpi(window));
    const WindowStyles styles{style, desktop_.ExStyle(window)};
    const ScreenRect rect = desktop_.Rect(window);
    const CaptionRect caption =
        ComputeCaptionRect(rect.Width(), styles.style, styles.exStyle, state_.metricsByDpi.At(dpi));
    if (DrawsOwnTitleBar(window, rect, caption))
        into.push_back(Left(window));
    else
        into.push_back({window, caption, styles, dpi, rect, std::move(title)});
    if (windowCoverage_ == kPaintAllWindows && !scrollStep)
        desktop_.ForEachDescendant(window, [this, &into](WindowId child) { AddIfCaptioned(child, into); });
}

// A window whose client area reaches up over its caption draws its title bar itself (browsers
// that put their tabs there): our picture would cover what it draws. Its descendants are still
// windows with captions of their own. An ordinary client area begins a whole caption below the
// frame, one over the caption at most a frame's width from the top; the line lies halfway, as the
// metrics need not be exactly the window's own (a frame of its own size, a scaled caption height).
bool CaptionSelection::DrawsOwnTitleBar(WindowId window, const ScreenRect& rect, const CaptionRect& caption) const {
    return desktop_.ClientTopOnScreen(window) - rect.top < (caption.top + caption.bottom) / 2;
}

} // namespace bndx
