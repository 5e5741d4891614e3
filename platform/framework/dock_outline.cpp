#include "platform/framework/dock_outline.h"

#include "platform/framework/scoped_gdi.h"

namespace bndx {

namespace {

constexpr char kOutlineClass[] = "BndxDockOutline";
constexpr int kLine = 3;

} // namespace

void DockOutline::Show(HWND owner, const RECT& place) {
    if (!Handle()) {
        RegisterClass(kOutlineClass, nullptr, GetSysColorBrush(COLOR_HIGHLIGHT));
        if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT, kOutlineClass, "",
                      WS_POPUP, 0, 0, 0, 0, owner, nullptr))
            return;
    }
    if (!EqualRect(&place, &shown_)) {
        shown_ = place;
        const int width = place.right - place.left, height = place.bottom - place.top;
        // Only the frame is the window's: what lies inside stays in sight.
        GdiObject frame(CreateRectRgn(0, 0, width, height));
        const GdiObject inside(CreateRectRgn(kLine, kLine, width - kLine, height - kLine));
        const auto region = static_cast<HRGN>(frame.Get());
        CombineRgn(region, region, static_cast<HRGN>(inside.Get()), RGN_DIFF);
        if (SetWindowRgn(Handle(), region, FALSE))
            frame.Release(); // the window owns the region from here on
        SetWindowPos(Handle(), HWND_TOPMOST, place.left, place.top, width, height, SWP_NOACTIVATE);
    }
    ShowWindow(Handle(), SW_SHOWNA);
}

void DockOutline::Hide() {
    if (Handle())
        ShowWindow(Handle(), SW_HIDE);
}

LRESULT DockOutline::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCHITTEST)
        return HTTRANSPARENT;
    return DefaultProc(message, wParam, lParam);
}

} // namespace bndx
