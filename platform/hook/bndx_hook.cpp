// BndxHook.dll: a window-message hook that Banderix installs for every thread of the desktop.
// It tells Banderix's main window, with WM_PAINT_CAPTION, about each window whose caption the
// system has just drawn or is about to draw, so that Banderix can paint it again.
//
// The module is loaded into every program that has windows, and the hook runs on every message
// sent in them, so the common path is one switch on the message number. It has no C runtime.
#include <windows.h>

#include "common/caption_geometry.h"
#include "common/painter_messages.h"

namespace {

// Each process that loads the module keeps its own copy of these.
HWND g_painter;          // Banderix's main window as last found
DWORD g_lastLookupTicks; // when it was last looked for in vain
constexpr DWORD kLookupIntervalMs = 500;

// Messages after which the system redraws a window's caption in its own way.
bool RedrawsCaption(const CWPSTRUCT& call) {
    switch (call.message) {
    case WM_NCPAINT:
    case WM_NCACTIVATE:
    case WM_SETTEXT:
    case WM_SIZE:
    case WM_SETTINGCHANGE:
    case WM_THEMECHANGED:
        return true;
    default:
        return false;
    }
}

// Banderix's main window, looked up again only when the one we knew has gone, and then not more
// often than twice a second, so that a program busy with messages pays almost nothing.
HWND FindPainter() {
    if (g_painter && IsWindow(g_painter))
        return g_painter;
    g_painter = nullptr;
    const DWORD now = GetTickCount();
    if (g_lastLookupTicks && now - g_lastLookupTicks < kLookupIntervalMs)
        return nullptr;
    g_painter = FindWindowA(nullptr, bndx::kPainterWindowTitle);
    g_lastLookupTicks = g_painter ? 0 : (now ? now : 1);
    return g_painter;
}

void NotifyPainter(HWND window) {
    // Only captioned windows matter; the style test is cheaper than finding the painter.
    if (!(static_cast<uint32_t>(GetWindowLongA(window, GWL_STYLE)) & bndx::style::kDlgFrame))
        return;
    if (HWND painter = FindPainter())
        PostMessageA(painter, bndx::WM_PAINT_CAPTION, 0, reinterpret_cast<LPARAM>(window));
}

// A top-level window, captioned or not (a menu, a tooltip), that moved, changed size or order,
// or was hidden: the part of the screen it left may hold other windows' captions.
bool UncoversOthers(const CWPSTRUCT& call) {
    if (call.message != WM_WINDOWPOSCHANGED || GetAncestor(call.hwnd, GA_PARENT) != GetDesktopWindow())
        return false;
    const auto* position = reinterpret_cast<const WINDOWPOS*>(call.lParam);
    constexpr UINT kUnchanged = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;
    return position && ((position->flags & kUnchanged) != kUnchanged || (position->flags & SWP_HIDEWINDOW));
}

void NotifyPainterOfUncovering(HWND window) {
    if (HWND painter = FindPainter())
        PostMessageA(painter, bndx::WM_PAINT_CAPTION, bndx::kCaptionsUncovered, reinterpret_cast<LPARAM>(window));
}

} // namespace

// Exported as plain "HookProc" in both builds: the link strips the 32-bit stdcall decoration.
extern "C" __declspec(dllexport) LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (RedrawsCaption(*call) && call->hwnd)
            NotifyPainter(call->hwnd);
        else if (UncoversOthers(*call))
            NotifyPainterOfUncovering(call->hwnd);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

extern "C" BOOL WINAPI DllMainCRTStartup(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        DisableThreadLibraryCalls(module);
    return TRUE;
}
