#include "platform/framework/floating_bar.h"

namespace bndx {

namespace {

constexpr char kFloatingBarClass[] = "BndxFloatingBar";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;

} // namespace

bool FloatingBar::Hold(HWND owner, HWND bar, SIZE extent, POINT where) {
    if (!Handle()) {
        RegisterClass(kFloatingBarClass, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        if (!CreateEx(kExStyle, kFloatingBarClass, "", kStyle, 0, 0, 0, 0, owner, nullptr))
            return false;
    }
    SetParent(bar, Handle());
    RECT frame{0, 0, extent.cx, extent.cy};
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    SetWindowPos(Handle(), nullptr, where.x, where.y, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    MoveWindow(bar, 0, 0, extent.cx, extent.cy, TRUE);
    ShowWindow(bar, SW_SHOWNA);
    ShowWindow(Handle(), SW_SHOWNA);
    return true;
}

LRESULT FloatingBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        // The bar comes back through the View menu, where this window was left.
        ShowWindow(Handle(), SW_HIDE);
        return 0;
    case WM_NCLBUTTONDBLCLK:
        if (wParam != HTCAPTION)
            break;
        dockAgain_();
        return 0;
    case WM_EXITSIZEMOVE: {
        POINT cursor;
        GetCursorPos(&cursor);
        moved_(cursor);
        return 0;
    }
    default:
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

} // namespace bndx
