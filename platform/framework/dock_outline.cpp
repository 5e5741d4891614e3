#include "platform/framework/dock_outline.h"

namespace bndx {

namespace {

constexpr char kOutlineClass[] = "BndxDockOutline";
constexpr int kLine = 3;

} // namespace

void DockOutline::Edge::Place(HWND owner, const RECT& place) {
    if (!Handle()) {
        RegisterClass(kOutlineClass, nullptr, GetSysColorBrush(COLOR_HIGHLIGHT));
        if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT, kOutlineClass, "",
                      WS_POPUP, 0, 0, 0, 0, owner, nullptr))
            return;
    }
    SetWindowPos(Handle(), HWND_TOPMOST, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void DockOutline::Edge::Hide() const {
    if (Handle())
        ShowWindow(Handle(), SW_HIDE);
}

LRESULT DockOutline::Edge::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCHITTEST)
        return HTTRANSPARENT;
    return DefaultProc(message, wParam, lParam);
}

void DockOutline::Show(HWND owner, const RECT& place) {
    const RECT sides[] = {{place.left, place.top, place.right, place.top + kLine},
                          {place.left, place.bottom - kLine, place.right, place.bottom},
                          {place.left, place.top, place.left + kLine, place.bottom},
                          {place.right - kLine, place.top, place.right, place.bottom}};
    for (size_t n = 0; n < 4; ++n)
        edges_[n].Place(owner, sides[n]);
}

void DockOutline::Hide() {
    for (const Edge& edge : edges_)
        edge.Hide();
}

} // namespace bndx
