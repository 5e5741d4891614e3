// Bandpost: scrolls the one line of text in its message block once across the caption of the
// window in front, tells a running Banderix to leave that caption alone meanwhile, and ends.
// Built without a C runtime (see message/CMakeLists.txt): no globals with constructors, no
// library calls beyond the platform's.
#include <windows.h>

#include <cstddef>

#include "common/caption_geometry.h"
#include "common/message_block.h"
#include "common/painter_messages.h"

namespace {

constexpr char kClassName[] = "Banderix_Mail_Class";
constexpr char kWindowTitle[] = "Banderix Mail Message";
constexpr UINT_PTR kFrameTimer = 1;
constexpr UINT kFramePeriodMs = 25;
constexpr int kStepPixels = 2;
constexpr COLORREF kTextColour = RGB(255, 255, 255);
constexpr int kTitleBufferSize = 64;

// The metrics record as it was before the padded-border field: accepted by every version.
constexpr UINT kNonClientMetricsSize = 340;
static_assert(offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth) == kNonClientMetricsSize, "metrics layout");

static_assert(bndx::style::kThickFrame == WS_THICKFRAME && bndx::style::kDlgFrame == WS_DLGFRAME &&
                  bndx::style::kVisible == WS_VISIBLE && bndx::style::kMinimize == WS_MINIMIZE &&
                  bndx::style::kSysMenu == WS_SYSMENU && bndx::style::kMinimizeBox == WS_MINIMIZEBOX &&
                  bndx::style::kMaximizeBox == WS_MAXIMIZEBOX && bndx::style::kExToolWindow == WS_EX_TOOLWINDOW,
              "style bits");

// Everything the program keeps; zero-initialised by the loader.
struct ProgramState {
    NONCLIENTMETRICSA metrics;
    char text[bndx::kMessageBlockSize];
    int textLength;
    int messageX;       // left end of the text, relative to the drawing area
    bool scrollStarted; // false until the first frame places the text at the area's right
    bool repositioning; // guards the move to the bottom against its own notification
};
ProgramState g_state;

void LoadMessageText() {
    char block[bndx::kMessageBlockSize];
    DWORD copied = 0;
    HRSRC info =
        FindResourceA(nullptr, MAKEINTRESOURCEA(bndx::kMessageBlockResourceId), bndx::kMessageBlockResourceType);
    HGLOBAL loaded = info ? LoadResource(nullptr, info) : nullptr;
    const char* data = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (data) {
        copied = SizeofResource(nullptr, info);
        if (copied > bndx::kMessageBlockSize)
            copied = bndx::kMessageBlockSize;
        for (DWORD i = 0; i < copied; ++i)
            block[i] = data[i];
    }
    for (DWORD i = copied; i < bndx::kMessageBlockSize; ++i)
        block[i] = ' '; // a short or missing block reads as if padded out with spaces
    g_state.textLength = static_cast<int>(bndx::MessageTextLength(block));
    for (int i = 0; i < g_state.textLength; ++i)
        g_state.text[i] = block[i];
}

// Posted, never sent: a hung Banderix must not stop the message.
void NotifyPainter(HWND captionWindow) {
    if (HWND painter = FindWindowA(nullptr, bndx::kPainterWindowTitle))
        PostMessageA(painter, bndx::WM_EXCLUDE_WINDOW, 0, reinterpret_cast<LPARAM>(captionWindow));
}

bool QualifiesAsTarget(HWND window) {
    char title[kTitleBufferSize];
    if (GetWindowTextA(window, title, kTitleBufferSize) <= 0)
        return false;
    return bndx::PassesCaptionTest(static_cast<uint32_t>(GetWindowLongA(window, GWL_STYLE)));
}

// The first window, from the foreground one up through its parents, with a title and a caption.
HWND FindTarget(HWND foreground) {
    for (HWND window = foreground; window; window = GetParent(window))
        if (QualifiesAsTarget(window))
            return window;
    return nullptr;
}

// What one frame draws with, all released when the frame ends, whichever way it ends.
class FrameSurface {
public:
    FrameSurface(HWND target, const bndx::CaptionRect& area)
        : target_(target), windowDc_(GetWindowDC(target)),
          clip_(CreateRectRgn(area.left, area.top, area.right, area.bottom)), memoryDc_(CreateCompatibleDC(windowDc_)),
          bitmap_(CreateCompatibleBitmap(windowDc_, area.right, area.bottom)) {
        SelectClipRgn(windowDc_, clip_);
        previousBitmap_ = SelectObject(memoryDc_, bitmap_);
    }
    ~FrameSurface() {
        SelectObject(memoryDc_, previousBitmap_);
        DeleteObject(bitmap_);
        DeleteDC(memoryDc_);
        DeleteObject(clip_);
        ReleaseDC(target_, windowDc_);
    }
    FrameSurface(const FrameSurface&) = delete;
    FrameSurface& operator=(const FrameSurface&) = delete;

    bool IsUsable() const { return windowDc_ && clip_ && memoryDc_ && bitmap_; }
    HDC Window() const { return windowDc_; }
    HDC Memory() const { return memoryDc_; }

private:
    HWND target_;
    HDC windowDc_;
    HRGN clip_;
    HDC memoryDc_;
    HBITMAP bitmap_;
    HGDIOBJ previousBitmap_ = nullptr;
};

void FillArea(HDC dc, const bndx::CaptionRect& area) {
    const COLORREF colour = GetSysColor(COLOR_ACTIVECAPTION);
    HBRUSH brush = CreateSolidBrush(colour);
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    Rectangle(dc, area.left, area.top, area.right, area.bottom);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

void CopyBoxFromScreen(const FrameSurface& surface, const bndx::ButtonBox& box) {
    BitBlt(surface.Memory(), box.x, box.y, box.width, box.height, surface.Window(), box.x, box.y, SRCCOPY);
}

// Draws one frame of the scroll on the caption of the window in front.
// Returns false when the scroll is over or no window can carry it.
bool PaintMessageFrame() {
    HWND foreground = GetForegroundWindow();
    if (!foreground)
        return true;
    HWND target = FindTarget(foreground);
    if (!target)
        return false;
    NotifyPainter(target);

    RECT bounds;
    GetWindowRect(target, &bounds);
    const uint32_t windowStyle = static_cast<uint32_t>(GetWindowLongA(target, GWL_STYLE));
    const uint32_t exStyle = static_cast<uint32_t>(GetWindowLongA(target, GWL_EXSTYLE));
    const bndx::CaptionMetrics metrics{g_state.metrics.iBorderWidth, g_state.metrics.iCaptionHeight,
                                       g_state.metrics.iSmCaptionHeight};
    const bndx::CaptionRect area = bndx::ComputeCaptionRect(bounds.right - bounds.left, windowStyle, exStyle, metrics);
    const int areaWidth = area.right - area.left;

    FrameSurface surface(target, area);
    if (!surface.IsUsable())
        return true; // try again next frame; the window may be between states
    HDC dc = surface.Memory();
    FillArea(dc, area);

    if (g_state.textLength > 0) {
        if (!g_state.scrollStarted) {
            g_state.messageX = areaWidth;
            g_state.scrollStarted = true;
        }
        SIZE extent;
        GetTextExtentPoint32A(dc, g_state.text, g_state.textLength, &extent);
        if (g_state.messageX + extent.cx <= 0 || g_state.messageX > areaWidth) {
            g_state.messageX = areaWidth;
            return false;
        }
        SetTextColor(dc, kTextColour);
        SetBkMode(dc, TRANSPARENT);
        TextOutA(dc, g_state.messageX, bndx::BorderTerm(windowStyle, metrics) + 3, g_state.text, g_state.textLength);
        g_state.messageX -= kStepPixels;
    }

    const bndx::CaptionButtonAreas buttons = bndx::ComputeButtonAreas(area, windowStyle, exStyle, metrics);
    if (buttons.hasClose)
        CopyBoxFromScreen(surface, buttons.close);
    if (buttons.hasMinMax)
        CopyBoxFromScreen(surface, buttons.minMax);

    BitBlt(surface.Window(), 0, 0, area.right, area.bottom, dc, 0, 0, SRCCOPY);
    return true;
}

void OnCreate(HWND window) {
    g_state.metrics.cbSize = kNonClientMetricsSize;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &g_state.metrics, 0);
    LoadMessageText();
    SetTimer(window, kFrameTimer, kFramePeriodMs, nullptr);
}

// Stays at the bottom of the z-order, so that it never comes between the user and a window.
void OnPositionChanged(HWND window) {
    if (g_state.repositioning)
        return;
    g_state.repositioning = true;
    SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    g_state.repositioning = false;
}

void OnTimer(HWND window) {
    if (PaintMessageFrame())
        return;
    InvalidateRect(nullptr, nullptr, FALSE); // every window redraws, and with it the real captions
    KillTimer(window, kFrameTimer);
    DestroyWindow(window);
}

LRESULT CALLBACK MessageWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate(window);
        break;
    case WM_WINDOWPOSCHANGED:
        OnPositionChanged(window);
        break;
    case WM_TIMER:
        if (wParam == kFrameTimer)
            OnTimer(window);
        break;
    case WM_DESTROY:
        NotifyPainter(nullptr);
        PostQuitMessage(0);
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int RunBandpost() {
    if (FindWindowA(kClassName, nullptr))
        return 0; // one message at a time
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = MessageWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassA(&windowClass))
        return 0;
    if (!CreateWindowExA(0, kClassName, kWindowTitle, WS_POPUP | WS_BORDER, 0, 0, 10, 10, nullptr, nullptr, instance,
                         nullptr))
        return 0;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 0;
}

} // namespace

// The process starts here: there is no C runtime to call a WinMain.
extern "C" __attribute__((force_align_arg_pointer)) void WinMainCRTStartup() {
    ExitProcess(static_cast<UINT>(RunBandpost()));
}
