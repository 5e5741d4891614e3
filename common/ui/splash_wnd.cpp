#include "common/ui/splash_wnd.h"

#include "platform/dib/dibutil.h"
#include "platform/framework/program.h"

namespace bndx {

namespace {

constexpr UINT_PTR kCloseTimer = 1;
constexpr UINT kShownMs = 2000;

} // namespace

CSplashWnd::CSplashWnd(UINT templateId, UINT bitmapId) : Dialog(templateId) {
    HPALETTE palette = nullptr;
    bitmap_.Reset(LoadResourceBitmap(ProgramInstance(), MAKEINTRESOURCEA(bitmapId), &palette));
    palette_.Reset(palette);
}

CSplashWnd::~CSplashWnd() {
    DestroyWindow();
}

void CSplashWnd::Release() {
    bitmap_.Reset();
    palette_.Reset();
}

void CSplashWnd::Show() {
    if (!Create(nullptr))
        return;
    ShowWindow(Handle(), SW_SHOW);
    InvalidateRect(Handle(), nullptr, TRUE);
    UpdateWindow(Handle());
}

bool CSplashWnd::OnInitDialog() {
    SetTimer(Handle(), kCloseTimer, kShownMs, nullptr);
    return true;
}

void CSplashWnd::PaintContent(HDC dc, const RECT& client) {
    if (!bitmap_)
        return;
    BITMAP size{};
    GetObjectA(bitmap_.Get(), sizeof size, &size);
    const RECT source{0, 0, size.bmWidth, size.bmHeight};
    PaintBitmap(dc, &client, bitmap_.Get(), &source, palette_.Get());
}

bool CSplashWnd::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR&) {
    switch (message) {
    case WM_TIMER:
        if (wParam != kCloseTimer)
            return false;
        KillTimer(Handle(), kCloseTimer);
        // A message box raised during start-up may belong to the splash (it was the active
        // window) and keeps it disabled: going now would take the box along unread, so the
        // splash only hides until the box is answered.
        if (IsWindowEnabled(Handle()))
            DestroyWindow();
        else
            ShowWindow(Handle(), SW_HIDE);
        return true;
    case WM_ENABLE:
        if (wParam && !IsWindowVisible(Handle()))
            DestroyWindow();
        return false;
    case WM_DESTROY:
        // The picture is needed no more once the window goes.
        Release();
        return false;
    default:
        return false;
    }
}

} // namespace bndx
